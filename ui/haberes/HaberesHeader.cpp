#include "HaberesHeader.h"

#include "HaberesStyle.h"
#include "SheetPlacement.h"
#include "Twips.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <utility>

namespace pagaluz::ui {

namespace {

// carsel: its width and its height for one line; it grows downwards.
const QRect kNamePlace(7680, 480, 3360, 300);
// The space between the name and "Código del cargo" (Label11) under it, kept when a long name
// grows: the headings and boxes under the name move down with it.
constexpr int kBelowNameTop = 840;
constexpr int kGapBelowName = kBelowNameTop - (480 + 300);
// Room under the name's last line, in pixels: on paper a text is laid out in its font's own
// measures, a little taller than on the screen, and its descenders must stay inside the box.
constexpr int kSpareBelowName = 3;
// The smallest size the period title is written in, in points: a long name goes on two lines.
constexpr int kSmallestTitlePoints = 6;

QString fromStd(const std::string &text)
{
    return QString::fromStdString(text);
}

} // namespace

HaberesHeader::HaberesHeader(QWidget &screen) : m_screen(screen)
{
    buildTitleAndName();
    buildPointBoxes();
}

void HaberesHeader::showHeader(const PayslipHeader &header)
{
    m_numberTitle->setText(fromStd(header.title));
    m_number->setText(fromStd(header.number));
    m_basicPoints->setText(fromStd(header.points));
    setName(fromStd(header.name));
    for (QWidget *widget : m_positionOnly)
        widget->setVisible(header.positionBoxes);
}

void HaberesHeader::showConfirmedPosition(const PositionSummary &summary)
{
    m_number->setText(summary.code);
    m_basicPoints->setText(summary.basicPoints);
    m_extendedDayPoints->setText(summary.extendedDayPoints);
    m_fullDayPoints->setText(summary.fullDayPoints);
    m_differentiatedPoints->setText(summary.differentiatedTaskPoints);
    m_complementPoints->setText(summary.complementPoints);
}

void HaberesHeader::showScaleName(const QString &name)
{
    m_period->setText(name);
    const QRect room = m_period->contentsRect();
    QFont font = titleFont();
    while (font.pointSize() > kSmallestTitlePoints &&
           !room.contains(
               QFontMetrics(font).boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap, name)))
        font.setPointSize(font.pointSize() - 1);
    m_period->setFont(font);
}

void HaberesHeader::setName(const QString &name)
{
    m_name->setText(name);
    const QMargins frame = m_name->contentsMargins();
    const int textWidth = twipsToPixels(kNamePlace.width()) - frame.left() - frame.right();
    const QRect wrapped = m_name->fontMetrics().boundingRect(
        QRect(0, 0, textWidth, QWIDGETSIZE_MAX), Qt::TextWordWrap, name);
    const int neededPixels = wrapped.height() + frame.top() + frame.bottom() + kSpareBelowName;
    const int height = std::max(kNamePlace.height(), pixelsToTwips(neededPixels));
    placeInTwips(*m_name, QRect(kNamePlace.topLeft(), QSize(kNamePlace.width(), height)));
    const int shift = kNamePlace.top() + height + kGapBelowName - kBelowNameTop;
    for (const auto &[widget, place] : m_belowName)
        placeInTwips(*widget, place.translated(0, std::max(shift, 0)));
}

void HaberesHeader::buildTitleAndName()
{
    m_period = addLabel("Label3", QRect(8160, 0, 2295, 375), Qt::AlignCenter);
    m_period->setFont(titleFont());
    m_period->setWordWrap(true);
    m_period->setFrameStyle(QFrame::Box | QFrame::Plain);
    setBackground(*m_period, Qt::white);
    setTextColour(*m_period, Qt::black);

    m_name = addLabel("carsel", kNamePlace, Qt::AlignLeft | Qt::AlignTop);
    m_name->setWordWrap(true);
    m_name->setFrameStyle(QFrame::Box | QFrame::Plain);
    setBackground(*m_name, Qt::white);
}

void HaberesHeader::buildPointBoxes()
{
    m_numberTitle = addHeading("Label11", "", QRect(7665, 840, 1890, 300));
    m_numberTitle->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_number = addValueBox("numcargo", QRect(7920, 1200, 1275, 360));
    QLabel *pointsHeading = addHeading("Label12", "Puntaje", QRect(7680, 1680, 1905, 330));
    m_basicPoints = addValueBox("punbasicos", QRect(7920, 2040, 1275, 360));
    QLabel *complementHeading = addHeading("Label2", "Ptos. Comp Básico", {7680, 2520, 1905, 330});
    m_complementPoints = addValueBox("compbas", QRect(7920, 2880, 1275, 360));
    QLabel *extendedHeading = addHeading("Label14", "Prol jorn", QRect(7665, 3465, 1905, 330));
    m_extendedDayPoints = addValueBox("proljor", QRect(7980, 3885, 1275, 360));
    QLabel *fullDayHeading = addHeading("Label20", "Jorn Comp", QRect(7665, 4515, 1905, 330));
    m_fullDayPoints = addValueBox("jorcom", QRect(7980, 4935, 1275, 360));
    QLabel *differentiatedHeading = addHeading("Label21", "Tarea dif", {7665, 5565, 1905, 330});
    m_differentiatedPoints = addValueBox("tardif", QRect(7980, 5985, 1275, 360));
    for (QLineEdit *box : {m_basicPoints, m_complementPoints}) {
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, Qt::white);
        box->setPalette(palette);
    }
    // Each heading names the box under it for assistive technology.
    const std::pair<QLabel *, QLineEdit *> headed[] = {
        {m_numberTitle, m_number},
        {pointsHeading, m_basicPoints},
        {complementHeading, m_complementPoints},
        {extendedHeading, m_extendedDayPoints},
        {fullDayHeading, m_fullDayPoints},
        {differentiatedHeading, m_differentiatedPoints},
    };
    for (const auto &[heading, box] : headed)
        heading->setBuddy(box);
    m_positionOnly = {extendedHeading,        fullDayHeading,      differentiatedHeading,
                      complementHeading,      m_extendedDayPoints, m_fullDayPoints,
                      m_differentiatedPoints, m_complementPoints};
}

void HaberesHeader::place(QWidget &widget, const QRect &twips)
{
    placeInTwips(widget, twips);
    if (twips.top() >= kBelowNameTop)
        m_belowName.emplace_back(&widget, twips);
}

QLabel *HaberesHeader::addLabel(const char *name, const QRect &twips, Qt::Alignment alignment)
{
    auto *label = new QLabel(&m_screen);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment);
    place(*label, twips);
    return label;
}

QLabel *HaberesHeader::addHeading(const char *name, const char *text, const QRect &twips)
{
    QLabel *heading = addLabel(name, twips, Qt::AlignCenter);
    heading->setText(QString::fromUtf8(text));
    heading->setFont(largerFont());
    heading->setFrameStyle(QFrame::Box | QFrame::Plain);
    setBackground(*heading, heading->palette().color(QPalette::HighlightedText));
    return heading;
}

QLineEdit *HaberesHeader::addValueBox(const char *name, const QRect &twips)
{
    auto *box = new QLineEdit(&m_screen);
    box->setObjectName(QLatin1String(name));
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignCenter);
    box->setFont(largerFont());
    place(*box, twips);
    return box;
}

} // namespace pagaluz::ui
