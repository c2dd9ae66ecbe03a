#include "analysis/analysis.h"

#include <cmath>
#include <cstdio>

#include "mainform/mainform.h"
#include "rules/raidlevels.h"
#include "runtime/jsonnumber.h"
#include "runtime/numbers.h"

namespace spindex {

namespace {

constexpr double HoursPerYear = 8760;
constexpr double BitsPerGB = 8e9; // decimal units: 1 GB = 10^9 bytes

double drivesRead(RebuildReads rule, double D, double n) {
    switch (rule) {
    case RebuildReads::Nothing:
        return 0;
    case RebuildReads::OthersInSpan:
        return D - 1;
    case RebuildReads::LastCopy:
        return D == 2 ? 1 : 0;
    case RebuildReads::OtherHalf:
        return n / 2;
    }
    return 0;
}

double factorial(double k) {
    double f = 1;
    for (double i = 2; i <= k; ++i)
        f *= i;
    return f;
}

// From two failures in the same repair window; R is the repair time.
double doubleFailureMttdl(MttdlForm form, double M, double D, double S, double R) {
    const double n = D * S;
    switch (form) {
    case MttdlForm::AnyDrive:
        return M / n;
    case MttdlForm::AllCopies:
        return std::pow(M, D) / (S * factorial(D) * std::pow(R, D - 1));
    case MttdlForm::TwoInGroup:
        return M * M / (D * (D - 1) * R);
    case MttdlForm::TwoInAnySpan:
        return M * M / (S * D * (D - 1) * R);
    case MttdlForm::TwoOnOtherSide:
        return M * M / (n * (n / 2) * R);
    }
    return 0;
}

SetAnalysis analyseSet(const AnalysedSet& in, const GlobalSpareCover& spares, const Assumptions& a) {
    SetAnalysis out;
    out.set = in.set;
    out.level = in.level;
    const double D = in.drivesPerSpan, S = in.spans, C = in.driveGB, n = D * S;
    out.covered = in.localSpare || (spares.on && spares.count >= 1 && spares.driveGB && *spares.driveGB >= C);
    const RaidLevel* level = findRaidLevel(in.level);
    if (!level)
        return out;
    const double M = a.mtbfHours;
    const bool rebuilds = level->rebuildReads != RebuildReads::Nothing;
    if (rebuilds) {
        const double rebuild = C * 1000 / a.rebuildMBps / 3600;
        const double repair = rebuild + (out.covered ? 0 : a.replaceHours);
        const double bits = drivesRead(level->rebuildReads, D, n) * C * BitsPerGB;
        // 1 - (1 - e)^b loses every digit for small e; through logarithms it keeps them.
        const double ure = -std::expm1(bits * std::log1p(-a.bitErrorRate));
        out.rebuildHours = rebuild;
        out.repairHours = repair;
        out.ureProbability = ure;
        out.mttdlHours = 1 / (1 / doubleFailureMttdl(level->mttdl, M, D, S, repair) + n * ure / M);
    } else {
        out.mttdlHours = doubleFailureMttdl(level->mttdl, M, D, S, 0);
    }
    out.lossProbability = -std::expm1(-a.years * HoursPerYear / out.mttdlHours);

    const double ops = n * a.driveIops;
    const double penalty = count(level->writePenalty, D, S);
    const double r = a.readPercent / 100;
    out.readIops = ops;
    out.writeIops = ops / penalty;
    out.mixedIops = ops / (r + penalty * (1 - r));
    out.readMBps = count(level->readGain, D, S) * a.driveMBps;
    out.writeMBps = count(level->writeGain, D, S) * a.driveMBps;
    return out;
}

nlohmann::ordered_json optionalNumber(const std::optional<double>& value) {
    return value ? jsonNumber(*value) : nlohmann::ordered_json(nullptr);
}

double numberIn(const std::string& text) {
    return parseNumber(text).value_or(0);
}

std::string printed(const char* format, double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

} // namespace

PlanAnalysis analysePlan(const std::vector<AnalysedSet>& sets, const GlobalSpareCover& spares,
                         const Assumptions& assumptions) {
    PlanAnalysis analysis;
    analysis.assumptions = assumptions;
    AnalysisTotal& total = analysis.total;
    double survival = 0; // log of the chance that every set keeps its data
    for (const AnalysedSet& set : sets) {
        SetAnalysis figures = analyseSet(set, spares, set.own ? *set.own : assumptions);
        ++total.sets;
        total.uncovered += figures.covered ? 0 : 1;
        survival += std::log1p(-figures.lossProbability);
        total.mixedIops += figures.mixedIops;
        total.readMBps += figures.readMBps;
        total.writeMBps += figures.writeMBps;
        analysis.sets.push_back(std::move(figures));
    }
    total.lossProbability = -std::expm1(survival);
    return analysis;
}

std::optional<Assumptions> ownAssumptions(const MainForm& main, const std::string& size) {
    if (!findDriveType(main.PlanDriveTypes, size))
        return std::nullopt;
    return assumptionsFor(main.PlanDriveTypes, size, main.PlanAssumptions);
}

PlanAnalysis planAnalysis(const MainForm& main) {
    std::vector<AnalysedSet> sets;
    for (int t = 0; t < MainForm::Sets; ++t) {
        if (!main.tabHoldsSet(t))
            continue;
        const std::string& size = main.tabDriveSize(t).text();
        sets.push_back({t, main.tabLevel(t).text(), numberIn(main.tabDrives(t).text()),
                        numberIn(main.tabSpans(t).text()), numberIn(size), main.tabHasLocalSpare(t),
                        ownAssumptions(main, size)});
    }
    return analysePlan(sets, globalSpareCover(main), main.PlanAssumptions);
}

GlobalSpareCover globalSpareCover(const MainForm& main) {
    GlobalSpareCover spares;
    spares.on = main.optGlobHotSpr[0].value();
    spares.count = numberIn(main.Text2.text());
    if (main.cmbGlobalHotSpareSize.listIndex() >= 0)
        spares.driveGB = parseNumber(main.cmbGlobalHotSpareSize.text());
    return spares;
}

nlohmann::ordered_json assumptionsJson(const Assumptions& assumptions) {
    nlohmann::ordered_json json = nlohmann::ordered_json::object();
    for (const AssumptionRow& row : assumptionRows())
        json[row.key] = jsonNumber(assumptions.*row.value);
    return json;
}

nlohmann::ordered_json analysisJson(const PlanAnalysis& analysis) {
    nlohmann::ordered_json sets = nlohmann::ordered_json::array();
    for (const SetAnalysis& s : analysis.sets)
        sets.push_back(nlohmann::ordered_json{{"set", s.set},
                                              {"level", s.level},
                                              {"covered", s.covered},
                                              {"rebuildHours", optionalNumber(s.rebuildHours)},
                                              {"repairHours", optionalNumber(s.repairHours)},
                                              {"ureProbability", optionalNumber(s.ureProbability)},
                                              {"mttdlHours", jsonNumber(s.mttdlHours)},
                                              {"lossProbability", jsonNumber(s.lossProbability)},
                                              {"readIops", jsonNumber(s.readIops)},
                                              {"writeIops", jsonNumber(s.writeIops)},
                                              {"mixedIops", jsonNumber(s.mixedIops)},
                                              {"readMBps", jsonNumber(s.readMBps)},
                                              {"writeMBps", jsonNumber(s.writeMBps)}});
    const AnalysisTotal& t = analysis.total;
    nlohmann::ordered_json total = {{"sets", t.sets},
                                    {"uncovered", t.uncovered},
                                    {"lossProbability", jsonNumber(t.lossProbability)},
                                    {"mixedIops", jsonNumber(t.mixedIops)},
                                    {"readMBps", jsonNumber(t.readMBps)},
                                    {"writeMBps", jsonNumber(t.writeMBps)}};
    return {
        {"assumptions", assumptionsJson(analysis.assumptions)}, {"sets", std::move(sets)}, {"total", std::move(total)}};
}

std::string percentText(double probability) {
    const double percent = probability * 100;
    if (percent == 0)
        return "0 %";
    if (percent < 0.0001)
        return "< 0.0001 %";
    return printed("%.3g", percent) + " %";
}

std::string hoursText(double hours) {
    return printed("%.1f", hours);
}

std::string yearsText(double hours) {
    const double years = hours / HoursPerYear;
    return printed(years >= 1000 ? "%.0f" : "%.3g", years);
}

std::string lossStatus(const PlanAnalysis& analysis) {
    if (analysis.total.sets == 0)
        return {};
    return "loss risk in " + formatNumber(analysis.assumptions.years) +
           " years: " + percentText(analysis.total.lossProbability);
}

} // namespace spindex
