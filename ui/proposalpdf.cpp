#include "proposalpdf.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <vector>

#include "analysis/analysis.h"
#include "appinfo.h"
#include "drivepictures.h"
#include "mainform/mainform.h"
#include "plans/plan.h"
#include "proposal/bom.h"
#include "runtime/numbers.h"
#include "runtime/program.h"
#include "summary/summary.h"

namespace spindex::ui {

namespace {

constexpr int Dpi = 300;
constexpr double PageWidthMm = 210, PageHeightMm = 297, MarginMm = 16;
const QColor Ink(30, 30, 30), Muted(95, 95, 95), Rule(175, 175, 175), Band(236, 240, 245);

double mm(double millimetres) {
    return millimetres * Dpi / 25.4;
}

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

// Draws the page top to bottom; a part that does not fit goes on a new page.
class Page {
public:
    Page(QPdfWriter& writer, QPainter& painter) : m_writer(writer), p(painter) {}

    double width() const { return mm(PageWidthMm - 2 * MarginMm); }

    void font(double points, bool bold = false, const QColor& colour = Ink) {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPointSizeF(points);
        f.setBold(bold);
        // Without ligatures, so that "profile" is found and copied as the six letters it is.
        f.setStyleStrategy(QFont::PreferNoShaping);
        p.setFont(f);
        p.setPen(colour);
    }
    double lineHeight() const { return QFontMetricsF(p.font(), p.device()).height(); }

    // Starts a new page when the height does not fit below.
    void need(double height) {
        if (m_y + height <= mm(PageHeightMm - 2 * MarginMm))
            return;
        m_writer.newPage();
        m_y = 0;
    }
    void line(const QString& s, double indent = 0) {
        need(lineHeight());
        p.drawText(QRectF(indent, m_y, width() - indent, lineHeight()), Qt::AlignLeft | Qt::AlignVCenter, s);
        m_y += lineHeight();
    }
    void heading(const QString& s) {
        gap(4);
        font(11.5, true);
        need(lineHeight() * 3);
        line(s);
        p.setPen(QPen(Rule, mm(0.3)));
        p.drawLine(QPointF(0, m_y), QPointF(width(), m_y));
        m_y += mm(1.5);
        font(9);
    }
    void gap(double millimetres) { m_y += mm(millimetres); }

    // A table: the widths as shares of the page, a right-aligned column from rightFrom on.
    void table(const QStringList& header, const std::vector<QStringList>& rows, const std::vector<double>& shares,
               int rightFrom, bool lastRowIsTotal) {
        const auto drawRow = [&](const QStringList& cells, bool bold, bool band) {
            font(8.5, bold);
            const double h = lineHeight() * 1.35;
            need(h);
            if (band)
                p.fillRect(QRectF(0, m_y, width(), h), Band);
            double x = 0;
            for (int c = 0; c < cells.size(); ++c) {
                const double w = shares[static_cast<size_t>(c)] * width();
                const Qt::Alignment align = c >= rightFrom ? Qt::AlignRight : Qt::AlignLeft;
                p.drawText(QRectF(x + mm(1), m_y, w - mm(2), h), align | Qt::AlignVCenter | Qt::TextDontClip, cells[c]);
                x += w;
            }
            m_y += h;
        };
        drawRow(header, true, true);
        for (size_t r = 0; r < rows.size(); ++r) {
            const bool total = lastRowIsTotal && r + 1 == rows.size();
            if (total) {
                p.setPen(QPen(Rule, mm(0.25)));
                p.drawLine(QPointF(0, m_y), QPointF(width(), m_y));
            }
            drawRow(rows[r], total, false);
        }
        font(9);
    }

    QPainter& painter() { return p; }
    double& y() { return m_y; }

private:
    QPdfWriter& m_writer;
    QPainter& p;
    double m_y = 0;
};

QString percent(double probability) {
    return text(formatNumber(std::round(probability * 100 * 1000) / 1000)) + " %";
}

// One drive of the cage picture: the set it belongs to (-1 for a global spare), its height in slot
// units (1.5 for a half-height drive, as the totals count it) and whether it is a spare.
struct CageDrive {
    int set;
    double units;
    bool spare;
};

// Per channel in use, the drives it holds: the sets in tab order, each with its local spare, then the
// global spares, each channel filled from the top before the next is used.
std::vector<std::vector<CageDrive>> placeDrives(const Plan& plan, const std::vector<double>& capacity) {
    std::vector<std::vector<CageDrive>> cages(capacity.size());
    std::vector<double> used(capacity.size(), 0);
    const auto put = [&](const CageDrive& d) {
        for (size_t c = 0; c < cages.size(); ++c)
            if (used[c] + d.units <= capacity[c] + 1e-9) {
                cages[c].push_back(d);
                used[c] += d.units;
                return;
            }
    };
    for (size_t s = 0; s < plan.sets.size(); ++s) {
        const PlanSet& set = plan.sets[s];
        const double units = set.height == HalfHeight ? 1.5 : 1;
        for (std::int64_t i = 0; i < set.drives * set.spans; ++i)
            put({static_cast<int>(s), units, false});
        if (set.localSpare)
            put({static_cast<int>(s), units, true});
    }
    if (plan.globalSpares && plan.globalSpares->driveSize)
        for (std::int64_t i = 0; i < plan.globalSpares->count; ++i)
            put({-1, plan.globalSpares->height == HalfHeight ? 1.5 : 1, true});
    return cages;
}

void drawCages(Page& page, const MainForm& main, const Plan& plan) {
    std::vector<int> channels;
    std::vector<double> capacity;
    for (int c = 0; c < static_cast<int>(plan.channels.size()); ++c)
        if (plan.channels[static_cast<size_t>(c)].used) {
            channels.push_back(c);
            capacity.push_back(main.program.ChannelSlots[static_cast<size_t>(c)]);
        }
    if (channels.empty())
        return;
    const auto cages = placeDrives(plan, capacity);
    double most = 1;
    for (double c : capacity)
        most = std::max(most, c);
    const double unit = std::min(mm(4.2), mm(70) / most);
    const double cageWidth = std::min(mm(38), (page.width() - mm(6) * (channels.size() - 1)) / channels.size());
    QPainter& p = page.painter();
    page.need(unit * most + mm(16));
    const double top = page.y();
    for (size_t k = 0; k < channels.size(); ++k) {
        const double x = k * (cageWidth + mm(6));
        const double height = capacity[k] * unit;
        p.setPen(QPen(Muted, mm(0.35)));
        p.setBrush(QColor(248, 248, 248));
        p.drawRect(QRectF(x, top, cageWidth, height));
        double y = top;
        for (const CageDrive& d : cages[k]) {
            const QRectF r(x + mm(1), y + mm(0.25), cageWidth - mm(2), d.units * unit - mm(0.5));
            const QColor colour = d.set >= 0 ? setColour(d.set) : QColor(120, 120, 120);
            p.setPen(QPen(colour.darker(150), mm(0.2)));
            p.setBrush(d.spare ? QBrush(colour.lighter(150), Qt::BDiagPattern) : QBrush(colour));
            if (d.spare)
                p.fillRect(r, Qt::white);
            p.drawRect(r);
            if (d.spare) {
                page.font(6, true);
                p.drawText(r, Qt::AlignCenter, d.set >= 0 ? QObject::tr("local spare") : QObject::tr("global spare"));
            }
            y += d.units * unit;
        }
        page.font(7.5, false, Muted);
        const QString label = QObject::tr("Channel %1").arg(channels[k]) + "\n" +
                              text(plan.channels[static_cast<size_t>(channels[k])].storage);
        p.drawText(QRectF(x - mm(2), top + height + mm(1), cageWidth + mm(4), mm(9)), Qt::AlignHCenter | Qt::AlignTop,
                   label);
    }
    p.setBrush(Qt::NoBrush);
    page.y() = top + most * unit + mm(11);
    // The legend: a swatch of each set's colour.
    page.font(8);
    double x = 0;
    const double h = page.lineHeight();
    page.need(h);
    for (size_t s = 0; s < plan.sets.size(); ++s) {
        const QString name = QObject::tr("Logical drive %1: RAID %2").arg(s).arg(text(plan.sets[s].level));
        const double w = QFontMetricsF(p.font(), p.device()).horizontalAdvance(name) + h * 1.6;
        if (x + w > page.width()) {
            x = 0;
            page.y() += h * 1.2;
            page.need(h);
        }
        p.fillRect(QRectF(x, page.y() + h * 0.15, h * 0.9, h * 0.7), setColour(static_cast<int>(s)));
        p.setPen(Ink);
        p.drawText(QRectF(x + h * 1.2, page.y(), w, h), Qt::AlignLeft | Qt::AlignVCenter, name);
        x += w + h;
    }
    page.y() += h * 1.4;
}

} // namespace

QByteArray proposalPdf(const MainForm& main, const std::string& planFile, const QDate& date) {
    const Plan plan = capturePlan(main);
    const Bom bom = billOfMaterials(plan);
    const PlanSummary summary = planSummary(main);
    const PlanAnalysis analysis = planAnalysis(main);
    const Proposal& proposal = plan.proposal;

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(QObject::tr("Storage proposal") +
                        (proposal.customer.empty() ? QString() : " - " + text(proposal.customer)));
        writer.setCreator(QString::fromUtf8(appinfo::Title));
        writer.setResolution(Dpi);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(MarginMm, MarginMm, MarginMm, MarginMm), QPageLayout::Millimeter));
        QPainter painter(&writer);
        Page page(writer, painter);

        // Who it is for, who wrote it and when, and of which plan.
        page.font(20, true);
        page.line(QObject::tr("Storage proposal"));
        page.font(13);
        if (!proposal.customer.empty())
            page.line(text(proposal.customer));
        page.gap(1.5);
        page.font(9, false, Muted);
        const QString by =
            proposal.preparedBy.empty() ? QString() : QObject::tr("Prepared by %1, ").arg(text(proposal.preparedBy));
        page.line(by + date.toString(Qt::ISODate));
        page.line(QObject::tr("Plan: %1").arg(planFile.empty() ? QObject::tr("not saved") : text(planFile)));

        page.heading(QObject::tr("Controller and channels"));
        page.line(text(plan.controller));
        for (size_t c = 0; c < plan.channels.size(); ++c) {
            const PlanChannel& channel = plan.channels[c];
            // Channels the controller lacks are not shown in the window either.
            if (main.program.ChannelSlots[c] == 0 && !channel.used)
                continue;
            page.line(QObject::tr("Channel %1: %2")
                          .arg(c)
                          .arg(channel.used ? text(channel.storage) : QObject::tr("not used")),
                      mm(4));
        }

        page.heading(QObject::tr("RAID sets"));
        std::vector<QStringList> sets;
        const QString years = text(formatNumber(analysis.assumptions.years));
        for (size_t i = 0; i < summary.sets.size(); ++i) {
            const SetSummary& s = summary.sets[i];
            const SetAnalysis& a = analysis.sets[i];
            sets.push_back({QString::number(s.set), "RAID " + text(s.level),
                            text(formatNumber(s.drivesPerSpan)) + " × " + text(formatNumber(s.spans)),
                            text(s.driveSize) + " GB " + (s.halfHeight ? "half height" : "low profile"),
                            text(formatNumber(s.usableGB)), text(formatNumber(s.efficiency)) + " %",
                            QString::number(s.survivesAtLeast) + "–" + QString::number(s.survivesAtMost),
                            s.localSpare ? "local"
                            : a.covered  ? "global"
                                         : "none",
                            percent(a.lossProbability), text(formatNumber(std::round(a.mixedIops)))});
        }
        const PlanTotal& t = summary.total;
        sets.push_back(
            {QObject::tr("Total"), "", text(formatNumber(t.drives)) + " drives", "", text(formatNumber(t.usableGB)),
             text(formatNumber(t.efficiency)) + " %", QString::number(t.survivesAtLeast), text(formatNumber(t.spares)),
             percent(analysis.total.lossProbability), text(formatNumber(std::round(analysis.total.mixedIops)))});
        page.table({QObject::tr("LD"), QObject::tr("Level"), QObject::tr("Drives"), QObject::tr("Drive"),
                    QObject::tr("Usable GB"), QObject::tr("Efficiency"), QObject::tr("Survives"), QObject::tr("Spare"),
                    QObject::tr("Loss, %1 y").arg(years), QObject::tr("Mixed IOPS")},
                   sets, {0.05, 0.08, 0.09, 0.17, 0.1, 0.1, 0.09, 0.07, 0.125, 0.125}, 4, true);

        page.heading(QObject::tr("Bill of materials"));
        std::vector<QStringList> items;
        const auto money = [&](const std::optional<double>& v) {
            return v ? text(moneyText(*v, bom.currency)) : QString("–");
        };
        for (const BomItem& i : bom.items)
            items.push_back(
                {text(i.item), text(i.kind), QString::number(i.quantity), money(i.unitPrice), money(i.price)});
        items.push_back({QObject::tr("Total"), "", "", "", money(bom.total.price)});
        page.table({QObject::tr("Item"), QObject::tr("Kind"), QObject::tr("Quantity"), QObject::tr("Unit price"),
                    QObject::tr("Price")},
                   items, {0.42, 0.14, 0.1, 0.17, 0.17}, 2, true);
        page.gap(1);
        page.font(9, true);
        page.line(bom.total.costPerUsableTB
                      ? QObject::tr("Cost per usable TB: %1").arg(money(bom.total.costPerUsableTB))
                      : (bom.total.complete ? QObject::tr("Cost per usable TB: no usable capacity")
                                            : QObject::tr("Prices incomplete")));

        page.heading(QObject::tr("Drive cages"));
        drawCages(page, main, plan);

        page.gap(3);
        page.font(6.5, true, Muted);
        page.line(QObject::tr("Assumptions of the risk and performance figures"));
        page.font(6.5, false, Muted);
        QStringList assumptions;
        for (const AssumptionRow& row : assumptionRows())
            assumptions << QString::fromUtf8(row.label) + ": " + text(formatNumber(analysis.assumptions.*row.value));
        for (int i = 0; i < assumptions.size(); i += 2)
            page.line(assumptions[i] + (i + 1 < assumptions.size() ? "     " + assumptions[i + 1] : QString()));
    }
    return bytes;
}

} // namespace spindex::ui
