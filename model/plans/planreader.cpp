#include "plans/planreader.h"

#include <limits>
#include <nlohmann/json.hpp>

#include "proposal/prices.h"
#include "runtime/numbers.h"

namespace spindex {

namespace {

using Json = nlohmann::ordered_json;

// Thrown inside the reader with the reason; readPlan turns it into its answer.
struct Refusal {
    std::string reason;
};

// Line and column (from 1) of a byte offset; the column counts characters, not bytes.
std::string position(std::string_view bytes, size_t offset) {
    size_t line = 1, column = 1;
    for (size_t i = 0; i < offset && i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c == '\n') {
            ++line;
            column = 1;
        } else if ((c & 0xC0) != 0x80) {
            ++column;
        }
    }
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

// The offset of the first byte that does not belong to well-formed UTF-8, or npos.
size_t firstInvalidUtf8(std::string_view bytes) {
    size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        size_t length = 0;
        std::uint32_t code = 0, smallest = 0;
        if ((lead & 0xE0) == 0xC0) {
            length = 2, code = lead & 0x1Fu, smallest = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3, code = lead & 0x0Fu, smallest = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4, code = lead & 0x07u, smallest = 0x10000;
        } else {
            return i;
        }
        if (i + length > bytes.size())
            return i;
        for (size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80)
                return i;
            code = (code << 6) | (next & 0x3Fu);
        }
        // Overlong forms, surrogates and code points past Unicode's end are not UTF-8 either.
        if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return i;
        i += length;
    }
    return std::string_view::npos;
}

// The library's description of a syntax error without its prefix and without the text it last read
// (which may be long): "unexpected end of input; expected '}'".
std::string syntaxError(const std::string& what) {
    std::string text = what;
    if (const size_t dash = text.find(" - "); dash != std::string::npos)
        text = text.substr(dash + 3);
    else if (const size_t colon = text.find(": "); colon != std::string::npos)
        text = text.substr(colon + 2);
    if (const size_t read = text.find("; last read: "); read != std::string::npos) {
        const size_t expected = text.rfind("; expected ");
        text = text.substr(0, read) + (expected != std::string::npos && expected > read ? text.substr(expected) : "");
    }
    return text;
}

// A value as it stands in the file, cut short when it is long.
std::string shown(const Json& value) {
    std::string text = value.dump(-1, ' ', false, Json::error_handler_t::replace);
    constexpr size_t Longest = 40;
    if (text.size() > Longest)
        text = text.substr(0, Longest) + "...";
    return text;
}

// The keys of one object of the file; where names the object in the reasons ("logical drive 2: ").
class Fields {
public:
    Fields(const Json& object, std::string where) : m_object(object), m_where(std::move(where)) {}

    const Json* find(const char* key) const {
        const auto it = m_object.find(key);
        return it == m_object.end() ? nullptr : &*it;
    }
    const Json& need(const char* key) const {
        if (const Json* value = find(key))
            return *value;
        throw Refusal{m_where + "the key " + quoted(key) + " is missing"};
    }
    [[noreturn]] void wrong(const char* key, const Json& value, const std::string& wanted) const {
        throw Refusal{m_where + quoted(key) + " is " + shown(value) + ", not " + wanted};
    }

    std::string text(const char* key) const { return text(key, need(key)); }
    std::string text(const char* key, const Json& value) const {
        if (!value.is_string())
            wrong(key, value, "a text");
        return value.get<std::string>();
    }
    bool flag(const char* key) const {
        const Json& value = need(key);
        if (!value.is_boolean())
            wrong(key, value, "true or false");
        return value.get<bool>();
    }
    std::int64_t whole(const char* key) const {
        const Json& value = need(key);
        constexpr auto Largest = std::numeric_limits<std::int32_t>::max();
        if (!value.is_number_integer())
            wrong(key, value, "a whole number");
        const bool tooLarge =
            value.is_number_unsigned() ? value.get<std::uint64_t>() > Largest : value.get<std::int64_t>() < -Largest;
        if (tooLarge)
            wrong(key, value, "a whole number of a usable size");
        return value.get<std::int64_t>();
    }
    std::string height(const char* key) const {
        const Json& value = need(key);
        if (!value.is_string() || (value != HalfHeight && value != LowProfile))
            wrong(key, value, quoted(HalfHeight) + " or " + quoted(LowProfile));
        return value.get<std::string>();
    }

private:
    const Json& m_object;
    std::string m_where;
};

// An object of the file, or the refusal that names it.
const Json& object(const Json& value, const std::string& what) {
    if (!value.is_object())
        throw Refusal{what + " is " + shown(value) + ", not an object"};
    return value;
}

PlanSet readSet(const Json& value, const std::string& where) {
    const Fields set(value, where + ": ");
    PlanSet plan;
    plan.level = set.text("level");
    plan.drives = set.whole("drives");
    plan.spans = set.whole("spans");
    plan.driveSize = set.text("driveSize");
    plan.height = set.height("height");
    plan.localSpare = set.flag("localSpare");
    // Written for readers and ignored here, whatever it holds.
    if (const Json* capacity = set.find("capacityGB"); capacity && capacity->is_number())
        plan.capacityGB = capacity->get<double>();
    return plan;
}

// The plan's drive types: each entry as the file describes it, no size twice, none built in.
std::vector<DriveType> readDriveTypeList(const Json& list) {
    if (!list.is_array())
        throw Refusal{"\"driveTypes\" is " + shown(list) + ", not a list of drive types"};
    std::vector<DriveType> types;
    for (size_t i = 0; i < list.size(); ++i) {
        const std::string where = "driveTypes: entry " + std::to_string(i);
        const Fields entry(object(list[i], where), where + ": ");
        DriveType type;
        const Json& size = entry.need("size");
        type.size = entry.text("size", size);
        if (driveSizeText(type.size) != type.size)
            entry.wrong("size", size, "a size from 1 to 100000 GB with at most two decimals, as the program writes it");
        if (findDriveSize(type.size) || findDriveType(types, type.size))
            entry.wrong("size", size, "a size the list does not hold yet");
        const Json& heights = entry.need("heights");
        const bool one =
            heights.is_array() && heights.size() == 1 && (heights[0] == HalfHeight || heights[0] == LowProfile);
        const bool both =
            heights.is_array() && heights.size() == 2 && heights[0] == HalfHeight && heights[1] == LowProfile;
        if (!one && !both)
            entry.wrong("heights", heights, "one or both heights");
        type.halfHeight = heights[0] == HalfHeight;
        type.lowProfile = heights.back() == LowProfile;
        for (const DriveFigure& figure : driveFigures()) {
            const Json* value = entry.find(figure.key);
            if (!value)
                continue;
            if (!value->is_number() || !inRange(figure.assumption, value->get<double>()))
                entry.wrong(figure.key, *value,
                            "a number from " + formatNumber(figure.assumption.lowest) + " to " +
                                formatNumber(figure.assumption.highest));
            type.*figure.value = value->get<double>();
        }
        types.push_back(std::move(type));
    }
    return types;
}

Plan readObject(const Json& json) {
    if (!json.is_object())
        throw Refusal{std::string("it is not a Spindex plan: the JSON is ") +
                      (json.is_array() ? "an array" : std::string("a ") + json.type_name()) + ", not an object"};
    const Fields file(json, "");
    const Json* format = file.find("format");
    if (!format)
        throw Refusal{"it is not a Spindex plan: the key \"format\" is missing"};
    if (*format != "spindex-plan")
        throw Refusal{"it is not a Spindex plan: \"format\" is " + shown(*format) + ", not \"spindex-plan\""};
    const Json& version = file.need("version");
    if (!version.is_number_integer())
        file.wrong("version", version, "1");
    // The library keeps the numbers without a sign as unsigned ones.
    if (version.is_number_unsigned() && version.get<std::uint64_t>() > 1)
        throw Refusal{"its version " + shown(version) +
                      " is newer than this program understands (it reads plans of version 1)"};
    if (version != 1)
        file.wrong("version", version, "1");

    Plan plan;
    // Read first: the sizes of the sets and spares are checked against them.
    if (const Json* types = file.find("driveTypes"))
        plan.driveTypes = readDriveTypeList(*types);
    plan.controller = file.text("controller");
    if (const Json* rules = file.find("rules"))
        plan.rules = file.text("rules", *rules);

    const Json& channels = file.need("channels");
    if (!channels.is_array() || channels.size() != Plan::Channels)
        file.wrong("channels", channels, "a list of " + std::to_string(Plan::Channels) + " channels");
    for (size_t i = 0; i < plan.channels.size(); ++i) {
        const std::string where = "channel " + std::to_string(i);
        const Fields channel(object(channels[i], where), where + ": ");
        plan.channels[i] = {channel.flag("used"), channel.text("storage")};
        // An empty entry leaves the list as the set-up leaves it, which for a channel in use would open
        // another plan than the file holds.
        if (plan.channels[i].used && plan.channels[i].storage.empty())
            channel.wrong("storage", channel.need("storage"), "a storage entry for a channel in use");
    }

    const Json& sets = file.need("sets");
    if (!sets.is_array())
        file.wrong("sets", sets, "a list of logical drives");
    if (sets.size() > Plan::MaxSets)
        throw Refusal{"\"sets\" holds " + std::to_string(sets.size()) + " logical drives; a plan has at most " +
                      std::to_string(Plan::MaxSets)};
    for (size_t t = 0; t < sets.size(); ++t) {
        const std::string where = "logical drive " + std::to_string(t);
        plan.sets.push_back(readSet(object(sets[t], where), where));
    }

    if (const Json* spares = file.find("globalSpares"); spares && !spares->is_null()) {
        const Fields global(object(*spares, "\"globalSpares\""), "global spares: ");
        PlanGlobalSpares& wanted = plan.globalSpares.emplace();
        wanted.count = global.whole("count");
        if (const Json& size = global.need("driveSize"); !size.is_null())
            wanted.driveSize = global.text("driveSize", size);
        wanted.height = global.height("height");
    }

    if (const Json* calculator = file.find("calculator"); calculator && !calculator->is_null()) {
        const Fields calc(object(*calculator, "\"calculator\""), "calculator: ");
        plan.calculator = PlanCalculator{calc.text("level"),     calc.whole("drives"),  calc.whole("spans"),
                                         calc.text("driveSize"), calc.height("height"), calc.whole("sets")};
    }

    // Absent, or any of its keys absent, the defaults hold.
    if (const Json* assumptions = file.find("assumptions")) {
        const Fields given(object(*assumptions, "\"assumptions\""), "assumptions: ");
        for (const AssumptionRow& row : assumptionRows()) {
            const Json* value = given.find(row.key);
            if (!value)
                continue;
            if (!value->is_number() || !inRange(row, value->get<double>()))
                given.wrong(row.key, *value,
                            "a number from " + formatNumber(row.lowest) + " to " + formatNumber(row.highest));
            plan.assumptions.*row.value = value->get<double>();
        }
    }

    // Absent, or any of its keys absent: no texts and no prices, as in a new plan.
    if (const Json* proposal = file.find("proposal")) {
        const Fields given(object(*proposal, "\"proposal\""), "proposal: ");
        const std::pair<const char*, std::string Proposal::*> texts[] = {{"customer", &Proposal::customer},
                                                                         {"preparedBy", &Proposal::preparedBy},
                                                                         {"currency", &Proposal::currency}};
        for (const auto& [key, text] : texts) {
            const Json* value = given.find(key);
            if (!value)
                continue;
            plan.proposal.*text = given.text(key, *value);
            if (!fitsProposalText(plan.proposal.*text))
                given.wrong(key, *value, "a text of at most " + std::to_string(ProposalTextLimit) + " characters");
        }
        if (const Json* prices = given.find("prices")) {
            if (!prices->is_object())
                given.wrong("prices", *prices, "an object of prices by item");
            for (const auto& [item, price] : prices->items())
                if (!price.is_number() || !isPrice(price.get<double>()))
                    throw Refusal{"proposal: \"prices\": " + quoted(item) + " is " + shown(price) +
                                  ", not a price of at least 0 with at most two decimals"};
                else
                    plan.proposal.prices[item] = price.get<double>();
        }
    }
    return plan;
}

} // namespace

std::optional<std::vector<DriveType>> readDriveTypes(std::string_view json, std::string& reason) {
    reason.clear();
    try {
        return readDriveTypeList(Json::parse(json));
    } catch (const Json::parse_error&) {
        reason = "it is not valid JSON";
    } catch (const Refusal& refusal) {
        reason = refusal.reason;
    }
    return std::nullopt;
}

bool isUtf8(std::string_view bytes) {
    return firstInvalidUtf8(bytes) == std::string_view::npos;
}

std::optional<Plan> readPlan(std::string_view bytes, std::string& reason) {
    reason.clear();
    if (bytes.empty()) {
        reason = "the file is empty";
        return std::nullopt;
    }
    if (const size_t bad = firstInvalidUtf8(bytes); bad != std::string_view::npos) {
        reason = "it is not UTF-8 text: the byte at " + position(bytes, bad) + " is not UTF-8";
        return std::nullopt;
    }
    Json json;
    try {
        json = Json::parse(bytes);
    } catch (const Json::parse_error& error) {
        const size_t offset = error.byte > 0 ? error.byte - 1 : 0;
        reason = "it is not valid JSON: " + position(bytes, offset) + ": " + syntaxError(error.what());
        return std::nullopt;
    }
    try {
        return readObject(json);
    } catch (const Refusal& refusal) {
        reason = refusal.reason;
        return std::nullopt;
    }
}

} // namespace spindex
