#include "HaberesScreen.h"

#include "ComparisonWindow.h"
#include "HaberesHeader.h"
#include "HaberesPdfFileTarget.h"
#include "HaberesSheet.h"
#include "HaberesStyle.h"
#include "LineExplanations.h"
#include "PayScale.h"
#include "PrinterTarget.h"
#include "SheetPlacement.h"
#include "ShownText.h"
#include "Twips.h"

#include <QHideEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTextDocument>
#include <QWheelEvent>

#include <algorithm>
#include <array>
#include <cstdlib>

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
// Where the sheet stands when the payslip is first shown; so it is printed.
constexpr QRect kSheetFirstPlace(kSheetLeft, 0, kSheetWidth, kSheetHeight);

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
// "Guardar PDF", in the look of the three, below the header's point boxes (also when a long
// position name has moved them down) and beside the notes, covering nothing.
const ButtonLayout kSavePdfButton{"GuardarPdf", QRect(7920, 6600, 1335, 495), QColor(0, 192, 0),
                                  "Guarda el recibo en un archivo PDF, como se imprime."};

// "Comparar con mi recibo", in the screen's own letters, in the gap between "Salir" and the
// print hint, right of "Guardar PDF": it covers nothing.
const ButtonLayout kCompareButton{"CompararRecibo", QRect(9330, 6885, 2115, 285), QColor(0, 192, 0),
                                  "Compara este recibo con el del establecimiento y busca qué "
                                  "datos explican las diferencias."};

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
    explicit Controls(HaberesScreen &screen)
        : sheet(new HaberesSheet(&screen)), header(screen),
          explanations(new LineExplanations(*sheet, screen))
    {
    }

    HaberesSheet *sheet; // sosten, lowest of the screen's widgets
    HaberesHeader header;
    LineExplanations *explanations;         // "Cómo se calculó", owned by the sheet
    QLineEdit *commentHint = nullptr;       // Text12
    QPlainTextEdit *comment = nullptr;      // Text11
    std::array<QPushButton *, 5> buttons{}; // Volver, Imprimir, Salir, GuardarPdf, CompararRecibo
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

QPushButton *addButton(QWidget &screen, const ButtonLayout &layout, const QString &caption)
{
    auto *button = new QPushButton(caption, &screen);
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
    mark->setAccessibleName(QStringLiteral("UTREL"));
    mark->setFrame(false);
    setTextColour(*mark, layout.colour);
    mark->hide();
    return mark;
}

} // namespace

// The page of the printout: the screen draws it in its print look.
class HaberesScreen::Page : public PrintPage {
public:
    explicit Page(HaberesScreen &screen) : m_screen(screen) {}

    // The screen's width, and the height of the sheet, which is taller than the screen.
    QSize size() const override { return twipsSize(kClientWidth, kSheetHeight); }
    void paint(QPainter &painter) const override { m_screen.paintPage(painter); }
    QString teacherName() const override { return m_screen.m_teacherName; }
    QString documentTitle() const override
    {
        return QStringLiteral("Recibo de haberes — %1")
            .arg(QString::fromStdString(m_screen.m_scale->period.title));
    }

private:
    HaberesScreen &m_screen;
};

// What printing changes on the screen besides the print look itself, to be put back.
struct HaberesScreen::ScreenBeforePrinting {
    QPointer<QWidget> focus;
    QPalette palette;
    QRect sheetPlace;
};

HaberesScreen::HaberesScreen(QWidget *parent)
    : QWidget(parent), m_page(std::make_unique<Page>(*this)),
      m_printTarget(std::make_unique<PrinterTarget>(this)), m_askPdfPath(pdfFileDialog(this))
{
    setObjectName(QStringLiteral("Haberes"));
    setWindowTitle(QStringLiteral("Haberes"));
    setFont(screenFont()); // before the children, which measure their texts with it
    setBackground(*this, kScreenColour);
    resize(twipsSize(kClientWidth, kClientHeight));
    // The notes, the buttons and the boxes beside the sheet stand within the first size: no
    // smaller, so that none of them is cut off; the sheet scrolls.
    setMinimumSize(size());
    m_controls = std::make_unique<Controls>(*this);
    placeInTwips(*m_controls->sheet, QRect(kSheetLeft, 0, kSheetWidth, kSheetHeight));
    buildNotesAndButtons();
    buildScrollBar();
    for (std::size_t i = 0; i < kMarks.size(); ++i)
        m_controls->marks[i] = addMark(*this, kMarks[i]);
    setScale(nullptr);
}

HaberesScreen::~HaberesScreen() = default;

void HaberesScreen::buildNotesAndButtons()
{
    Controls &c = *m_controls;
    c.commentHint = addReadOnlyBox(*this, "Text12", QRect(9720, 1560, 1695, 285),
                                   QStringLiteral("Poné tu comentario"));
    c.commentHint->setAccessibleName(QStringLiteral("Comentario"));
    c.comment = new QPlainTextEdit(this);
    c.comment->setObjectName(QStringLiteral("Text11"));
    // The hint above it is a text box, not a label: it names the comment box in so many words.
    c.comment->setAccessibleName(c.commentHint->text());
    // Tab goes on to the buttons and round to the sheet, as everywhere else on the screen.
    c.comment->setTabChangesFocus(true);
    placeInTwips(*c.comment, QRect(9720, 1920, 1695, 2895));
    connect(c.comment, &QPlainTextEdit::textChanged, this, &HaberesScreen::commentEdited);
    for (std::size_t i = 0; i < kButtons.size(); ++i)
        c.buttons[i] = addButton(*this, kButtons[i], QLatin1String(kButtons[i].name));
    c.buttons[3] = addButton(*this, kSavePdfButton, QStringLiteral("Guardar PDF"));
    connect(c.buttons[0], &QPushButton::clicked, this, &HaberesScreen::Haberes_Volver_Click);
    connect(c.buttons[1], &QPushButton::clicked, this, &HaberesScreen::Haberes_Imprimir_Click);
    connect(c.buttons[2], &QPushButton::clicked, this, &HaberesScreen::Haberes_Salir_Click);
    connect(c.buttons[3], &QPushButton::clicked, this, &HaberesScreen::Haberes_GuardarPdf_Click);
    c.buttons[4] = addButton(*this, kCompareButton, QStringLiteral("Comparar con mi recibo"));
    c.buttons[4]->setFont(font());
    connect(c.buttons[4], &QPushButton::clicked, this,
            &HaberesScreen::Haberes_CompararRecibo_Click);
    c.printHint = addReadOnlyBox(*this, "Text1", QRect(8880, 7200, 2415, 285),
                                 QStringLiteral("Se imprime en blanco y negro"));
    c.printHint->setAccessibleName(QStringLiteral("Impresión"));
    c.date = addReadOnlyBox(*this, "Text10", QRect(8880, 7680, 2415, 375));
    c.date->setAccessibleName(QStringLiteral("Fecha"));
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
    scrollBar->setAccessibleName(QStringLiteral("Desplazamiento del recibo"));
    placeInTwips(*scrollBar, QRect(11520, 0, 345, 8565));
    connect(scrollBar, &QScrollBar::valueChanged, this, &HaberesScreen::Haberes_movedor_Change);
    m_controls->scrollBar = scrollBar;
}

void HaberesScreen::showPayslip(const Payslip &payslip, const QString &date,
                                std::shared_ptr<const PayslipExplanation> explanation,
                                bool referencePoints)
{
    setPayslip(payslip, date, std::move(explanation), referencePoints);
    setEnabled(true);
    show();
    raise();
    activateWindow();
}

void HaberesScreen::setPayslip(const Payslip &payslip, const QString &date,
                               std::shared_ptr<const PayslipExplanation> explanation,
                               bool referencePoints)
{
    HaberesSheet &sheet = *m_controls->sheet;
    m_controls->explanations->setPayslip(payslip, std::move(explanation));
    sheet.clearGrid();
    m_controls->header.showHeader(payslip.header);
    for (const PayslipLine &line : payslip.lines())
        sheet.showLine(line);
    sheet.placeTotalsBlock(payslip.nextRow());
    sheet.showTotals(payslip);
    sheet.showReferencePointsNote(referencePoints);
    m_teacherName = QString::fromStdString(payslip.teacherName);
    m_payslip = payslip;
    if (m_comparison)
        m_comparison->setSubject(m_enteredInputs, m_payslip, m_positions, m_scale);
    sheet.setTeacherName(m_teacherName);
    m_controls->date->setText(date);
}

void HaberesScreen::setScale(std::shared_ptr<const PayScale> scale)
{
    m_scale = scale ? std::move(scale)
                    : std::shared_ptr<const PayScale>(std::shared_ptr<const PayScale>(),
                                                      &PayScale::builtIn());
    m_controls->header.showScaleName(QString::fromStdString(m_scale->period.title));
}

void HaberesScreen::setConfirmedPosition(const PositionSummary &summary)
{
    m_controls->header.showConfirmedPosition(summary);
}

void HaberesScreen::setPrintTarget(std::unique_ptr<PrintTarget> target)
{
    m_printTarget = std::move(target);
}

// The comment as the user wrote it: while the box shows the comment last set, the text set,
// its line ends as they were (a box holds lines, not the characters that ended them);
// otherwise the box's text with its non-breaking spaces and line separators, a line break
// between its paragraphs.
QString HaberesScreen::comment() const
{
    const QString shown = m_controls->comment->document()->toRawText();
    if (shown == m_commentShownAsSet)
        return m_commentAsSet;
    QString text = shown;
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
}

void HaberesScreen::setComment(const QString &comment)
{
    if (comment == this->comment())
        return;
    m_controls->comment->setPlainText(comment);
    m_commentAsSet = comment;
    m_commentShownAsSet = m_controls->comment->document()->toRawText();
}

void HaberesScreen::setPdfPathQuestion(PdfPathQuestion question)
{
    m_askPdfPath = std::move(question);
}

void HaberesScreen::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Haberes_Form_Resize();
}

// The outer height counts the window's frame, which the window system adds once the window is
// shown: when it is first shown, and when it is framed, which moves it.
void HaberesScreen::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    Haberes_Form_Resize();
}

void HaberesScreen::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        m_controls->explanations->closeWindow();
}

void HaberesScreen::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    Haberes_Form_Resize();
}

// The wheel over the sheet moves the scroll bar by its small step per notch, as a click on its
// arrows does; a wheel that turns in finer steps moves it once its turns add up to a notch.
void HaberesScreen::wheelEvent(QWheelEvent *event)
{
    if (!m_controls->sheet->geometry().contains(event->position().toPoint())) {
        event->ignore();
        return;
    }
    event->accept();
    m_wheelAngle += event->angleDelta().y();
    const int notches = m_wheelAngle / QWheelEvent::DefaultDeltasPerStep;
    m_wheelAngle -= notches * QWheelEvent::DefaultDeltasPerStep;
    const QAbstractSlider::SliderAction step =
        notches > 0 ? QAbstractSlider::SliderSingleStepSub : QAbstractSlider::SliderSingleStepAdd;
    for (int notch = 0; notch < std::abs(notches); ++notch)
        m_controls->scrollBar->triggerAction(step);
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

// Prints the page: the whole sheet as first shown, on white, without buttons or hints, with
// the "UTREL" marks. The print look lasts while the page is drawn, so that a question about
// where the page goes is asked over the screen as the user knows it. Afterwards the screen is
// lighter than before its first printout, unless the user gave the printout up; a failure is
// told last.
void HaberesScreen::Haberes_Imprimir_Click()
{
    const QString message = m_printTarget ? m_printTarget->print(*m_page) : QString();
    if (m_printTarget && m_printTarget->cancelled())
        return;
    setBackground(*this, kScreenColourAfterPrinting);
    if (!message.isEmpty())
        showPrintMessage(QStringLiteral("Imprimir"), message);
}

// The page of the printout, as a PDF file the user chooses; the screen stays as it was.
// The comparison window, in front; it keeps what was typed while the payslip stays the same.
void HaberesScreen::Haberes_CompararRecibo_Click()
{
    if (!m_comparison) {
        m_comparison = new ComparisonWindow(this);
        connect(m_comparison, &ComparisonWindow::applyRequested, this,
                &HaberesScreen::inputsToApply);
    }
    m_comparison->setSubject(m_enteredInputs, m_payslip, m_positions, m_scale);
    m_comparison->show();
    m_comparison->raise();
    m_comparison->activateWindow();
}

void HaberesScreen::Haberes_GuardarPdf_Click()
{
    const QString path =
        m_askPdfPath(QStringLiteral("Guardar el recibo como PDF"), proposedPdfPath(m_teacherName));
    if (path.isEmpty())
        return;
    const QString failure = writePdf(path);
    if (!failure.isEmpty())
        showPrintMessage(QStringLiteral("Guardar PDF"), failure);
}

QString HaberesScreen::writePdf(const QString &path)
{
    return PdfFileTarget(path).print(*m_page);
}

QByteArray HaberesScreen::pdf() const
{
    return pdfDocument(*m_page);
}

void HaberesScreen::paintPage(QPainter &painter)
{
    const ScreenBeforePrinting before = enterPrintLook();
    const auto restore = qScopeGuard([&] { leavePrintLook(before); });
    renderPage(painter);
}

// The focus goes to the screen itself: hiding a focused button would hand it to the next box,
// which would select its text. Selections are drawn as plain text while the look lasts.
HaberesScreen::ScreenBeforePrinting HaberesScreen::enterPrintLook()
{
    Controls &c = *m_controls;
    ScreenBeforePrinting before{focusWidget(), palette(), twipsGeometry(*c.sheet)};
    setFocus(Qt::OtherFocusReason);
    for (QPushButton *button : c.buttons)
        button->hide();
    c.printHint->hide();
    c.commentHint->hide();
    setBackground(*c.sheet, kPrintBackground);
    QPalette paper = palette();
    paper.setColor(QPalette::Window, kPrintBackground);
    paper.setColor(QPalette::Highlight, Qt::transparent);
    paper.setColor(QPalette::HighlightedText, Qt::black);
    setPalette(paper);
    for (QLineEdit *mark : c.marks)
        mark->show();
    placeInTwips(*c.sheet, kSheetFirstPlace);
    return before;
}

void HaberesScreen::leavePrintLook(const ScreenBeforePrinting &before)
{
    Controls &c = *m_controls;
    placeInTwips(*c.sheet, before.sheetPlace);
    for (QLineEdit *mark : c.marks)
        mark->hide();
    setBackground(*c.sheet, kSheetColour);
    setPalette(before.palette);
    c.printHint->show();
    c.commentHint->show();
    for (QPushButton *button : c.buttons)
        button->show();
    if (before.focus)
        before.focus->setFocus(Qt::OtherFocusReason);
    else
        clearFocus();
}

// Each part of the screen drawn at its place, the sheet whole, whatever the window's size and
// the scroll bar, which has no place on paper.
void HaberesScreen::renderPage(QPainter &painter)
{
    painter.fillRect(QRect(QPoint(), m_page->size()), backgroundOf(*this));
    const QList<QWidget *> parts = findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *part : parts) {
        if (part->isWindow() || part->isHidden() || part == m_controls->scrollBar)
            continue;
        part->render(&painter, part->pos());
    }
}

void HaberesScreen::showPrintMessage(const QString &title, const QString &message)
{
    QMessageBox *&box = m_controls->printMessage;
    if (!box) {
        box = new QMessageBox(QMessageBox::Warning, title, QString(), QMessageBox::Ok, this);
        box->setObjectName(QStringLiteral("printMessage"));
        box->setTextFormat(Qt::PlainText);
    }
    box->setWindowTitle(title);
    box->setText(shownText(message));
    box->open();
}

void HaberesScreen::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        m_controls->buttons[0]->click();
        return;
    }
    QWidget::keyPressEvent(event);
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
