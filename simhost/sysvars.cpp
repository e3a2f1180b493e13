#include "sysvars.h"

#include "base/number_text.h"
#include "base/strings.h"
#include "host_texts.h"
#include "input_text.h"
#include "session.h"

namespace kv::sim {

namespace {

const std::vector<VariableInfo> kVariables = {
    {"SNAPMODE", VariableType::Integer, false, 0, 1},
    {"OSMODE", VariableType::Integer, false, 0, 16383},
    {"ORTHOMODE", VariableType::Integer, false, 0, 1},
    {"DIMSCALE", VariableType::Real},
    {"CLAYER", VariableType::Text},
    {"CECOLOR", VariableType::Color},
    {"CELTSCALE", VariableType::Real},
    {"CELTYPE", VariableType::Text},
    {"FILLETRAD", VariableType::Real},
    {"FILEDIA", VariableType::Integer, false, 0, 1},
    {"LUPREC", VariableType::Integer, false, 0, 8},
    {"LASTPOINT", VariableType::Point},
    {"VIEWCTR", VariableType::Point, true},
    {"VIEWSIZE", VariableType::Real, true},
    {"SCREENSIZE", VariableType::Point2, true},
    {"ATTREQ", VariableType::Integer, false, 0, 1},
    {"ATTDIA", VariableType::Integer, false, 0, 1},
};

int* IntegerOf(DrawingVars& v, std::string_view name) {
    if (name == "SNAPMODE") return &v.snapMode;
    if (name == "OSMODE") return &v.osMode;
    if (name == "ORTHOMODE") return &v.orthoMode;
    if (name == "FILEDIA") return &v.fileDia;
    if (name == "LUPREC") return &v.luPrec;
    if (name == "ATTREQ") return &v.attReq;
    if (name == "ATTDIA") return &v.attDia;
    return nullptr;
}

double* RealOf(DrawingVars& v, std::string_view name) {
    if (name == "DIMSCALE") return &v.dimScale;
    if (name == "CELTSCALE") return &v.celtScale;
    if (name == "FILLETRAD") return &v.filletRad;
    if (name == "VIEWSIZE") return &v.viewSize;
    return nullptr;
}

std::string RangeMessage(int min, int max) {
    return std::string(text::kValueRangePrefix) + std::to_string(min) + std::string(text::kValueRangeInfix) +
           std::to_string(max) + std::string(text::kValueRangeSuffix);
}

std::optional<std::string> SetReal(double& target, std::string_view name, std::string_view answer) {
    double value = 0;
    if (!TryParseReal(answer, value)) return std::string(text::kNumberRequired);
    // A zero linetype scale would make every dash vanish; the host refuses it.
    if (name == "CELTSCALE" && value <= 0) return std::string(text::kPositiveRequired);
    if (value < 0) return std::string(text::kNonNegativeRequired);
    target = value;
    return std::nullopt;
}

std::optional<std::string> SetText(Drawing& drawing, std::string_view name, std::string_view answer) {
    std::string value = Trim(Unquote(Trim(answer)));
    if (name == "CLAYER") {
        const Layer* layer = drawing.FindLayer(value);
        if (!layer) return std::string(text::kLayerNotFound) + value;
        if (layer->frozen) return std::string(text::kLayerFrozenCurrent);
        drawing.vars.cLayer = layer->name;
        return std::nullopt;
    }
    const Linetype* linetype = drawing.FindLinetype(value);
    if (!linetype) return std::string(text::kLinetypeNotLoaded) + value;
    drawing.vars.celtype = linetype->name;
    return std::nullopt;
}

}  // namespace

const std::vector<VariableInfo>& AllVariables() { return kVariables; }

const VariableInfo* FindVariable(std::string_view upperName) {
    for (const VariableInfo& v : kVariables) {
        if (v.name == upperName) return &v;
    }
    return nullptr;
}

std::string VariableText(const Drawing& drawing, const VariableInfo& variable) {
    DrawingVars v = drawing.vars;
    int decimals = v.luPrec;
    switch (variable.type) {
    case VariableType::Integer: return std::to_string(*IntegerOf(v, variable.name));
    case VariableType::Real: return FormatFixed(*RealOf(v, variable.name), decimals);
    case VariableType::Text: return "\"" + (variable.name == "CLAYER" ? v.cLayer : v.celtype) + "\"";
    case VariableType::Color: return std::string("\"").append(ColorText(v.ceColor)).append("\"");
    case VariableType::Point: return FormatPoint(variable.name == "VIEWCTR" ? v.viewCtr : v.lastPoint, decimals);
    case VariableType::Point2:
        return FormatFixed(v.screenWidth, decimals) + "," + FormatFixed(v.screenHeight, decimals);
    }
    return "";
}

std::optional<std::string> SetVariable(Drawing& drawing, const VariableInfo& variable, std::string_view answer) {
    DrawingVars& v = drawing.vars;
    switch (variable.type) {
    case VariableType::Integer: {
        int value = 0;
        if (!TryParseInt(answer, value)) return std::string(text::kIntegerRequired);
        if (value < variable.min || value > variable.max) return RangeMessage(variable.min, variable.max);
        *IntegerOf(v, variable.name) = value;
        return std::nullopt;
    }
    case VariableType::Real: return SetReal(*RealOf(v, variable.name), variable.name, answer);
    case VariableType::Text: return SetText(drawing, variable.name, answer);
    case VariableType::Color: {
        std::optional<int> color = ParseColor(Unquote(Trim(answer)));
        if (!color) return std::string(text::kColorRequired);
        v.ceColor = *color;
        return std::nullopt;
    }
    case VariableType::Point: {
        std::optional<Point3> p = ParsePointText(Trim(answer));
        if (!p) return std::string(text::kPointRequired);
        v.lastPoint = *p;
        return std::nullopt;
    }
    case VariableType::Point2: break;
    }
    return std::string(text::kKeywordRequired);
}

Task<void> RunVariable(Session& s, const VariableInfo& variable) {
    std::string name(variable.name);
    if (variable.readOnly) {
        s.Print(name + " = " + VariableText(s.drawing(), variable) + std::string(text::kReadOnlySuffix));
        co_return;
    }
    bool names = variable.type == VariableType::Text || variable.type == VariableType::Color;
    for (;;) {
        std::string prompt = name + std::string(text::kNewValueInfix) + VariableText(s.drawing(), variable) +
                             std::string(text::kNewValueSuffix);
        Answer answer = co_await s.Ask(prompt, names ? AnswerEnd::Line : AnswerEnd::Word);
        if (answer.pick && variable.type == VariableType::Point) {
            s.SetLastPoint(*answer.pick);
            co_return;
        }
        if (Trim(answer.text).empty()) co_return;
        std::optional<std::string> error = SetVariable(s.drawing(), variable, answer.text);
        if (!error) co_return;
        s.Print(*error);
        // A refused name or colour ends the command; a refused number is asked again.
        if (names) co_return;
    }
}

}  // namespace kv::sim
