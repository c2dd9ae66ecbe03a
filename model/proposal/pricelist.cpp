#include "proposal/pricelist.h"

#include <cctype>
#include <vector>

#include "plans/plan.h"
#include "plans/planreader.h"
#include "proposal/prices.h"

namespace spindex {

namespace {
struct Row {
    size_t line = 0; // where the row starts, from 1
    std::vector<std::string> fields;
};

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// Splits the text into rows; a quoted field may hold commas, doubled quotes and line breaks. False,
// with the reason, for a quote that is never closed or text after a closing quote.
bool splitRows(std::string_view text, std::vector<Row>& rows, std::string& reason) {
    size_t i = 0, line = 1;
    while (i < text.size()) {
        Row row{line, {}};
        std::string field;
        bool quotedField = false, endOfRow = false;
        while (!endOfRow) {
            if (i >= text.size()) {
                row.fields.push_back(std::move(field));
                break;
            }
            const char c = text[i];
            if (c == '"' && field.empty() && !quotedField) {
                quotedField = true;
                const size_t openedAt = line;
                ++i;
                for (;;) {
                    if (i >= text.size()) {
                        reason = "line " + std::to_string(openedAt) + ": a quoted field is never closed";
                        return false;
                    }
                    if (text[i] == '"') {
                        if (i + 1 < text.size() && text[i + 1] == '"') {
                            field += '"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    if (text[i] == '\n')
                        ++line;
                    field += text[i++];
                }
                const bool ends = i >= text.size() || text[i] == ',' || text[i] == '\n' ||
                                  (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n');
                if (!ends) {
                    reason = "line " + std::to_string(line) + ": text after a quoted field";
                    return false;
                }
                continue;
            }
            if (c == ',') {
                row.fields.push_back(std::move(field));
                field.clear();
                quotedField = false;
                ++i;
            } else if (c == '\n' || (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
                row.fields.push_back(std::move(field));
                i += c == '\r' ? 2 : 1;
                ++line;
                endOfRow = true;
            } else {
                field += c;
                ++i;
            }
        }
        // An empty line is one empty unquoted field.
        if (!(row.fields.size() == 1 && row.fields[0].empty() && !quotedField))
            rows.push_back(std::move(row));
    }
    return true;
}
} // namespace

std::optional<std::map<std::string, double>> readPriceList(std::string_view bytes, std::string& reason) {
    reason.clear();
    if (!isUtf8(bytes)) {
        reason = "it is not UTF-8 text";
        return std::nullopt;
    }
    // A byte order mark, as some spreadsheets write, is no part of the header.
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    std::vector<Row> rows;
    if (!splitRows(bytes, rows, reason))
        return std::nullopt;
    if (rows.empty() || rows.front().fields.size() < 2 || !sameIgnoringCase(trimmed(rows.front().fields[0]), "item") ||
        !sameIgnoringCase(trimmed(rows.front().fields[1]), "price")) {
        reason = "line " + std::to_string(rows.empty() ? 1 : rows.front().line) +
                 ": the header must begin with the fields item and price";
        return std::nullopt;
    }
    std::map<std::string, double> prices;
    for (size_t r = 1; r < rows.size(); ++r) {
        const Row& row = rows[r];
        const std::string where = "line " + std::to_string(row.line) + ": ";
        if (row.fields.size() < 2) {
            reason = where + "the row has no price";
            return std::nullopt;
        }
        const std::optional<double> price = parsePrice(row.fields[1]);
        if (!price) {
            reason = where + quoted(row.fields[1]) + " is not " + PriceRule;
            return std::nullopt;
        }
        prices[std::string(trimmed(row.fields[0]))] = *price;
    }
    return prices;
}

} // namespace spindex
