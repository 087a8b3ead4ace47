#include "HaberesScreen.h"

#include "HaberesHeader.h"
#include "HaberesSheet.h"
#include "HaberesStyle.h"
#include "PrinterTarget.h"
#include "SheetPlacement.h"
#include "Twips.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>

#include <algorithm>
#include <array>

namespace pagaluz::ui {

namespace {

constexpr int kClientWidth = 11880;
constexpr int kClientHeight = 8490;

// The sheet: left, width, and its top and height with the scroll bar at 0
// (before the first scroll it stands at top 0).
constexpr int kSheetLeft = 840;
constexpr int kSheetWidth = 6840;
constexpr int kSheetHeight = 12000;
constexpr int kSheetTopWhenScrolled = 100;

// The scroll bar is as tall as the screen's outer height less this.
constexpr int kScrollBarShortening = 400;
constexpr int kScrollBarMaximum = 32767;
constexpr int kScrollBarSmallStep = 100;
constexpr int kScrollBarLargeStep = 500;

struct ButtonLayout {
    const char *name;
    QRect twips;
    QColor colour;
    const char *toolTip;
};
const std::array<ButtonLayout, 3> kButtons{{
    {"Volver", QRect(9840, 4920, 1335, 495), QColor(0, 255, 0),
     "Permite cambiar los datos ingresados"},
    {"Imprimir", QRect(9840, 5640, 1335, 495), QColor(0, 192, 0), "Se imprime con fondo blanco."},
    {"Salir", QRect(9840, 6360, 1335, 495), QColor(0, 128, 0), nullptr},
}};

// The "UTREL" marks, in the order Text2 to Text9, in the left margin.
struct MarkLayout {
    const char *name;
    int top;
    QColor colour;
};
const std::array<MarkLayout, 8> kMarks{{
    {"Text2", 840, QColor(192, 192, 192)},
    {"Text3", 360, QColor(224, 224, 224)},
    {"Text4", 1800, QColor(64, 64, 64)},
    {"Text5", 1320, QColor(128, 128, 128)},
    {"Text6", 3240, QColor(128, 128, 128)},
    {"Text7", 2280, QColor(224, 224, 224)},
    {"Text8", 3720, QColor(64, 64, 64)},
    {"Text9", 2760, QColor(192, 192, 192)},
}};
constexpr int kMarkLeft = 120;
constexpr int kMarkWidth = 615;
constexpr int kMarkHeight = 255;

} // namespace

struct HaberesScreen::Controls {
    explicit Controls(HaberesScreen &screen) : sheet(new HaberesSheet(&screen)), header(screen) {}

    HaberesSheet *sheet; // sosten, lowest of the screen's widgets
    HaberesHeader header;
    QLineEdit *commentHint = nullptr;       // Text12
    QPlainTextEdit *comment = nullptr;      // Text11
    std::array<QPushButton *, 3> buttons{}; // Volver, Imprimir, Salir
    QLineEdit *printHint = nullptr;         // Text1
    QLineEdit *date = nullptr;              // Text10
    QScrollBar *scrollBar = nullptr;        // movedor
    std::array<QLineEdit *, 8> marks{};     // Text2 to Text9
    QMessageBox *printMessage = nullptr;
};

namespace {

QLineEdit *addReadOnlyBox(QWidget &screen, const char *name, const QRect &twips,
                          const QString &text = {})
{
    auto *box = new QLineEdit(text, &screen);
    box->setObjectName(QLatin1String(name));
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignCenter);
    placeInTwips(*box, twips);
    return box;
}

QPushButton *addButton(QWidget &screen, const ButtonLayout &layout)
{
    auto *button = new QPushButton(QLatin1String(layout.name), &screen);
    button->setObjectName(QLatin1String(layout.name));
    button->setFont(largerFont(true));
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, layout.colour);
    button->setPalette(palette);
    if (layout.toolTip)
        button->setToolTip(QString::fromUtf8(layout.toolTip));
    placeInTwips(*button, layout.twips);
    return button;
}

QLineEdit *addMark(QWidget &screen, const MarkLayout &layout)
{
    QLineEdit *mark =
        addReadOnlyBox(screen, layout.name, QRect(kMarkLeft, layout.top, kMarkWidth, kMarkHeight),
                       QStringLiteral("UTREL"));
    mark->setFrame(false);
    setTextColour(*mark, layout.colour);
    mark->hide();
    return mark;
}

} // namespace

HaberesScreen::HaberesScreen(QWidget *parent)
    : QWidget(parent), m_printTarget(std::make_unique<PrinterTarget>(this))
{
    setObjectName(QStringLiteral("Haberes"));
    setWindowTitle(QStringLiteral("Haberes"));
    setFont(screenFont()); // before the children, which measure their texts with it
    setBackground(*this, kScreenColour);
    resize(twipsSize(kClientWidth, kClientHeight));
    m_controls = std::make_unique<Controls>(*this);
    placeInTwips(*m_controls->sheet, QRect(kSheetLeft, 0, kSheetWidth, kSheetHeight));
    buildNotesAndButtons();
    buildScrollBar();
    for (std::size_t i = 0; i < kMarks.size(); ++i)
        m_controls->marks[i] = addMark(*this, kMarks[i]);
}

HaberesScreen::~HaberesScreen() = default;

void HaberesScreen::buildNotesAndButtons()
{
    Controls &c = *m_controls;
    c.commentHint = addReadOnlyBox(*this, "Text12", QRect(9720, 1560, 1695, 285),
                                   QStringLiteral("Poné tu comentario"));
    c.comment = new QPlainTextEdit(this);
    c.comment->setObjectName(QStringLiteral("Text11"));
    placeInTwips(*c.comment, QRect(9720, 1920, 1695, 2895));
    for (std::size_t i = 0; i < kButtons.size(); ++i)
        c.buttons[i] = addButton(*this, kButtons[i]);
    connect(c.buttons[0], &QPushButton::clicked, this, &HaberesScreen::Haberes_Volver_Click);
    connect(c.buttons[1], &QPushButton::clicked, this, &HaberesScreen::Haberes_Imprimir_Click);
    connect(c.buttons[2], &QPushButton::clicked, this, &HaberesScreen::Haberes_Salir_Click);
    c.printHint = addReadOnlyBox(*this, "Text1", QRect(8880, 7200, 2415, 285),
                                 QStringLiteral("Se imprime en blanco y negro"));
    c.date = addReadOnlyBox(*this, "Text10", QRect(8880, 7680, 2415, 375));
}

// Tracking is off: the sheet moves on arrow and track clicks and at the end
// of a drag, not while the thumb is being dragged.
void HaberesScreen::buildScrollBar()
{
    auto *scrollBar = new QScrollBar(Qt::Vertical, this);
    scrollBar->setObjectName(QStringLiteral("movedor"));
    scrollBar->setRange(0, kScrollBarMaximum);
    scrollBar->setSingleStep(kScrollBarSmallStep);
    scrollBar->setPageStep(kScrollBarLargeStep);
    scrollBar->setTracking(false);
    placeInTwips(*scrollBar, QRect(11520, 0, 345, 8565));
    connect(scrollBar, &QScrollBar::valueChanged, this, &HaberesScreen::Haberes_movedor_Change);
    m_controls->scrollBar = scrollBar;
}

void HaberesScreen::showPayslip(const Payslip &payslip, const QString &date, bool referencePoints)
{
    HaberesSheet &sheet = *m_controls->sheet;
    sheet.clearGrid();
    m_controls->header.showHeader(payslip.header);
    for (const PayslipLine &line : payslip.lines())
        sheet.showLine(line);
    sheet.placeTotalsBlock(payslip.nextRow());
    sheet.showTotals(payslip);
    sheet.showReferencePointsNote(referencePoints);
    sheet.setTeacherName(QString::fromStdString(payslip.teacherName));
    m_controls->date->setText(date);
    setEnabled(true);
    show();
    raise();
    activateWindow();
}

void HaberesScreen::setConfirmedPosition(const PositionSummary &summary)
{
    m_controls->header.showConfirmedPosition(summary);
}

void HaberesScreen::setPrintTarget(std::unique_ptr<PrintTarget> target)
{
    m_printTarget = std::move(target);
}

void HaberesScreen::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Haberes_Form_Resize();
}

// The scroll bar spans the screen's outer height less 400 twips, and never
// less than one pixel.
void HaberesScreen::Haberes_Form_Resize()
{
    QScrollBar &scrollBar = *m_controls->scrollBar;
    const int outerHeight = pixelsToTwips(frameGeometry().height());
    QRect place = twipsGeometry(scrollBar);
    place.setHeight(std::max(outerHeight - kScrollBarShortening, kTwipsPerPixel));
    placeInTwips(scrollBar, place);
}

// The sheet's lower edge stays at 12100 twips whatever the value.
void HaberesScreen::Haberes_movedor_Change(int value)
{
    placeInTwips(*m_controls->sheet, QRect(kSheetLeft, kSheetTopWhenScrolled - value, kSheetWidth,
                                           kSheetHeight + value));
}

// Prints the screen as it looks on white, without buttons or hints, with the
// "UTREL" marks; the screen is restored whatever the printing gives, and only
// then is a failure told.
void HaberesScreen::Haberes_Imprimir_Click()
{
    QString message;
    enterPrintLook();
    {
        const auto restore = qScopeGuard([this] { leavePrintLook(); });
        if (m_printTarget)
            message = m_printTarget->print(grab().toImage());
    }
    if (!message.isEmpty())
        showPrintMessage(message);
}

void HaberesScreen::enterPrintLook()
{
    Controls &c = *m_controls;
    for (QPushButton *button : c.buttons)
        button->hide();
    c.printHint->hide();
    c.commentHint->hide();
    setBackground(*c.sheet, kPrintBackground);
    setBackground(*this, kPrintBackground);
    for (QLineEdit *mark : c.marks)
        mark->show();
}

void HaberesScreen::leavePrintLook()
{
    Controls &c = *m_controls;
    for (QLineEdit *mark : c.marks)
        mark->hide();
    setBackground(*c.sheet, kSheetColour);
    setBackground(*this, kScreenColourAfterPrinting);
    c.printHint->show();
    c.commentHint->show();
    for (QPushButton *button : c.buttons)
        button->show();
}

void HaberesScreen::showPrintMessage(const QString &message)
{
    QMessageBox *&box = m_controls->printMessage;
    if (!box) {
        box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Imprimir"), QString(),
                              QMessageBox::Ok, this);
        box->setObjectName(QStringLiteral("printMessage"));
    }
    box->setText(message);
    box->open();
}

void HaberesScreen::Haberes_Volver_Click()
{
    setEnabled(false);
    hide();
    emit returnRequested();
}

void HaberesScreen::Haberes_Salir_Click()
{
    emit quitRequested();
}

} // namespace pagaluz::ui
