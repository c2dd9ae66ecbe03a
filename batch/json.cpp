#include "json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <cmath>

#include "runtime/numbers.h"

namespace spindex::batch::json {

namespace {
std::string compact(const QJsonArray& array) {
    const QByteArray bytes = QJsonDocument(array).toJson(QJsonDocument::Compact);
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}
} // namespace

std::string string(const std::string& text) {
    // The library writes a one-element array; its brackets go.
    const std::string written = compact(QJsonArray{QString::fromStdString(text)});
    return written.substr(1, written.size() - 2);
}

std::string number(double value) {
    return std::isfinite(value) ? formatNumber(value) : null;
}

std::string boolean(bool value) {
    return value ? "true" : "false";
}

std::string stringArray(const std::vector<std::string>& items) {
    QJsonArray array;
    for (const std::string& item : items)
        array.append(QString::fromStdString(item));
    return compact(array);
}

std::string array(const std::vector<std::string>& elements) {
    std::string text = "[";
    for (size_t i = 0; i < elements.size(); ++i) {
        if (i)
            text += ',';
        text += elements[i];
    }
    return text + "]";
}

std::string object(const std::vector<std::pair<std::string, std::string>>& members) {
    std::string text = "{";
    for (size_t i = 0; i < members.size(); ++i) {
        if (i)
            text += ',';
        text += string(members[i].first) + ":" + members[i].second;
    }
    return text + "}";
}

} // namespace spindex::batch::json
