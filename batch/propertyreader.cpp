#include "propertyreader.h"

#include <algorithm>
#include <cctype>

#include "mainform/mainform.h"
#include "mainform/variables.h"
#include "outputs/outputforms.h"
#include "runtime/jsonnumber.h"
#include "runtime/program.h"

namespace spindex::batch {

namespace {
using Json = nlohmann::ordered_json;
using Value = std::optional<Json>;

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// An icon's file name without folder or backslash.
std::string fileName(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A property with an index, "tabenabled(3)": the index when the property has that base name.
std::optional<int> indexedProperty(const std::string& property, const char* base) {
    std::string name;
    int index = 0;
    if (!splitIndex(property, name, index) || name != base)
        return std::nullopt;
    return index;
}

Value geometryValue(const Geometry& g, const std::string& p) {
    if (p == "left")
        return jsonNumber(g.left);
    if (p == "top")
        return jsonNumber(g.top);
    if (p == "width")
        return jsonNumber(g.width);
    if (p == "height")
        return jsonNumber(g.height);
    return std::nullopt;
}

Value tabValue(const TabControl& tabs, const std::string& p, std::string& error) {
    if (p.empty() || p == "tab")
        return jsonNumber(tabs.tab());
    for (const char* base : {"tabenabled", "tabcaption"}) {
        const std::optional<int> n = indexedProperty(p, base);
        if (!n)
            continue;
        if (*n < 0 || *n >= TabControl::Tabs) {
            error = std::string(base) + " needs a tab from 0 to " + std::to_string(TabControl::Tabs - 1);
            return std::nullopt;
        }
        const auto i = static_cast<size_t>(*n);
        return p.starts_with("tabenabled") ? Json(tabs.tabEnabled[i]) : Json(tabs.tabCaption[i]);
    }
    return std::nullopt;
}

// The properties that differ by kind; nothing for a property the kind does not have.
Value kindValue(const Control& c, const std::string& p, std::string& error) {
    switch (c.kind) {
    case ControlKind::TextBox: {
        const auto& box = static_cast<const TextBox&>(c);
        if (p.empty() || p == "text")
            return Json(box.text());
        if (p == "locked")
            return Json(box.locked);
        return std::nullopt;
    }
    case ControlKind::List: {
        const auto& list = static_cast<const ListBox&>(c);
        if (p.empty() || p == "text")
            return Json(list.text());
        if (p == "items")
            return Json(list.items());
        if (p == "listindex")
            return jsonNumber(list.listIndex());
        if (p == "listcount")
            return jsonNumber(static_cast<double>(list.items().size()));
        return std::nullopt;
    }
    case ControlKind::Label:
    case ControlKind::Frame:
    case ControlKind::Button:
        if (p.empty() || p == "caption")
            return Json(c.caption);
        return std::nullopt;
    case ControlKind::CheckBox:
        if (p.empty() || p == "value")
            return jsonNumber(static_cast<const CheckBox&>(c).value());
        if (p == "caption")
            return Json(c.caption);
        return std::nullopt;
    case ControlKind::Option:
        if (p.empty() || p == "value")
            return Json(static_cast<const OptionButton&>(c).value());
        if (p == "caption")
            return Json(c.caption);
        return std::nullopt;
    case ControlKind::Menu:
        if (p.empty() || p == "caption")
            return Json(c.caption);
        if (p == "checked")
            return Json(static_cast<const MenuItem&>(c).checked);
        return std::nullopt;
    case ControlKind::Image: {
        const auto& image = static_cast<const Image&>(c);
        if (p.empty() || p == "picture")
            return Json(fileName(image.picture));
        return geometryValue(image.geometry, p);
    }
    case ControlKind::Shape: {
        const auto& shape = static_cast<const Shape&>(c);
        if (p.empty())
            return Json(c.visible);
        if (p == "opaque")
            return Json(shape.opaque);
        return geometryValue(shape.geometry, p);
    }
    case ControlKind::Line:
        if (p.empty())
            return Json(c.visible);
        return geometryValue(static_cast<const LineShape&>(c).geometry(), p);
    case ControlKind::Tab:
        return tabValue(static_cast<const TabControl&>(c), p, error);
    }
    return std::nullopt;
}

Value controlValue(const Control& c, const std::string& p, std::string& error) {
    if (Value value = kindValue(c, p, error))
        return value;
    if (!error.empty())
        return std::nullopt;
    if (p == "enabled")
        return Json(c.enabled);
    if (p == "visible")
        return Json(c.visible);
    return std::nullopt;
}

Json reportLines(const ReportForm& report) {
    Json lines = Json::array();
    for (const report::PrintedLine& line : report.lines)
        lines.push_back({{"x", jsonNumber(line.x)},
                         {"y", jsonNumber(line.y)},
                         {"size", jsonNumber(line.size)},
                         {"emphasis", line.emphasis},
                         {"text", line.text}});
    return lines;
}

Value windowValue(const Reference& ref, const std::string& p, std::string& error) {
    if (p.empty() || p == "loaded")
        return Json(ref.form != nullptr);
    if (p == "visible")
        return Json(ref.form && ref.form->visible);
    if (!ref.form) {
        error = "window " + ref.window + " is not loaded";
        return std::nullopt;
    }
    if (p == "caption")
        return Json(ref.form->caption);
    if (p == "lines")
        if (const auto* report = dynamic_cast<const ReportForm*>(ref.form))
            return reportLines(*report);
    return std::nullopt;
}

Value variableValue(const Program& program, const Reference& ref) {
    const ProgramVariable* variable = findVariable(ref.variable);
    if (!variable || (variable->scope != ProgramVariable::Scope::Program && !program.frmSpindex()))
        return std::nullopt;
    return variable->read(program, static_cast<size_t>(std::max(ref.index, 0)));
}
} // namespace

std::optional<nlohmann::ordered_json> readValue(const Program& program, const Reference& ref, std::string& error) {
    const std::string p = lower(ref.property);
    Value value;
    switch (ref.kind) {
    case Reference::Kind::Variable:
        value = variableValue(program, ref);
        break;
    case Reference::Kind::Window:
        value = windowValue(ref, p, error);
        break;
    case Reference::Kind::Control:
        value = controlValue(*ref.control, p, error);
        break;
    }
    if (!value && error.empty())
        error = "unknown property " + ref.property + " of " +
                (ref.kind == Reference::Kind::Window ? ref.window
                 : ref.control                       ? ref.control->name
                                                     : ref.variable);
    return value;
}

} // namespace spindex::batch
