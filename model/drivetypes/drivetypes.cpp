#include "drivetypes/drivetypes.h"

#include <algorithm>
#include <cmath>

#include "runtime/numbers.h"

namespace spindex {

namespace {
const AssumptionRow& assumption(const char* key) {
    for (const AssumptionRow& row : assumptionRows())
        if (std::string(row.key) == key)
            return row;
    return assumptionRows()[0];
}
} // namespace

const std::array<DriveFigure, 4>& driveFigures() {
    static const std::array<DriveFigure, 4> figures{{
        {"mtbfHours", "txtMtbfHours", &DriveType::mtbfHours, assumption("mtbfHours")},
        {"bitErrorRate", "txtBitErrorRate", &DriveType::bitErrorRate, assumption("bitErrorRate")},
        {"driveIops", "txtDriveIops", &DriveType::driveIops, assumption("driveIops")},
        {"driveMBps", "txtDriveMBps", &DriveType::driveMBps, assumption("driveMBps")},
    }};
    return figures;
}

std::optional<std::string> driveSizeText(const std::string& typed) {
    const std::optional<double> value = parseNumber(typed);
    if (!value || !std::isfinite(*value) || *value < 1 || *value > 100000)
        return std::nullopt;
    const double hundredths = *value * 100;
    if (std::fabs(hundredths - std::round(hundredths)) > 1e-6)
        return std::nullopt;
    return formatNumber(std::round(hundredths) / 100);
}

std::vector<DriveSize> driveSizes(const std::vector<DriveType>& types) {
    std::vector<DriveSize> sizes = driveSizes();
    if (types.empty())
        return sizes;
    for (const DriveType& type : types)
        sizes.push_back({type.size, type.halfHeight, type.lowProfile});
    std::stable_sort(sizes.begin(), sizes.end(), [](const DriveSize& a, const DriveSize& b) {
        return parseNumber(a.text).value_or(0) < parseNumber(b.text).value_or(0);
    });
    return sizes;
}

std::optional<DriveSize> findDriveSize(const std::vector<DriveType>& types, const std::string& text) {
    if (const DriveSize* builtIn = findDriveSize(text))
        return *builtIn;
    for (const DriveType& type : types)
        if (type.size == text)
            return DriveSize{type.size, type.halfHeight, type.lowProfile};
    return std::nullopt;
}

const DriveType* findDriveType(const std::vector<DriveType>& types, const std::string& size) {
    const std::optional<double> wanted = parseNumber(size);
    if (!wanted)
        return nullptr;
    for (const DriveType& type : types)
        if (parseNumber(type.size) == wanted)
            return &type;
    return nullptr;
}

Assumptions assumptionsFor(const std::vector<DriveType>& types, const std::string& size, Assumptions plan) {
    if (const DriveType* type = findDriveType(types, size))
        for (const DriveFigure& figure : driveFigures())
            if (const std::optional<double>& own = (*type).*figure.value)
                plan.*figure.assumption.value = *own;
    return plan;
}

} // namespace spindex
