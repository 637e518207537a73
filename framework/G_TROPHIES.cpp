#include "framework/G_TROPHIES.h"

#include <cmath>
#include <cstring>
#include <limits>

#include "engine/files/ZC_REPOSITORY.h"

namespace ZOR_GF
{
namespace
{
float fAsFloat(uint32_t bits)
{
    float value;
    std::memcpy(&value, &bits, 4);
    return value;
}

// A target's text read by its value type into the 4 bytes.
uint32_t fParseTarget(pugi::xml_attribute text, int valueType)
{
    switch (valueType)
    {
    case TROPHY_FLOAT:
        return G_TROPHY_VALUE::fFromFloat("", text.as_float(0.0f)).bits;
    case TROPHY_INT:
        return uint32_t(text.as_int(0));
    case TROPHY_UINT:
        return text.as_uint(0);
    default:
        return text.as_bool(false) ? 1 : 0;
    }
}

// The four operators that only compare.
template <typename T>
float fCompare(int op, T x, T t)
{
    switch (op)
    {
    case TROPHY_GREATER:
        return x > t ? 1.0f : 0.0f;
    case TROPHY_LESS:
        return x < t ? 1.0f : 0.0f;
    case TROPHY_NOT_EQUAL:
        return x != t ? 1.0f : 0.0f;
    default:
        return x <= t ? 1.0f : 0.0f;
    }
}

// Progress x / t in whole numbers. A zero target would trap; it gives what a float
// division gives (infinity for a positive value, NaN for 0), so a zero target is reached
// by any positive value. Wide arithmetic keeps INT_MIN / -1 from trapping as well.
template <typename T>
float fWholeProgress(T x, T t)
{
    if (t == 0)
        return x == 0 ? std::numeric_limits<float>::quiet_NaN()
                      : (x > 0 ? std::numeric_limits<float>::infinity() : -std::numeric_limits<float>::infinity());
    return float(int64_t(x) / int64_t(t));
}
}

G_TROPHY_VALUE G_TROPHY_VALUE::fFromBool(const std::string& name, bool value)
{
    return {name, value ? 1u : 0u};
}

G_TROPHY_VALUE G_TROPHY_VALUE::fFromFloat(const std::string& name, float value)
{
    uint32_t bits;
    std::memcpy(&bits, &value, 4);
    return {name, bits};
}

G_TROPHY_VALUE G_TROPHY_VALUE::fFromInt(const std::string& name, int32_t value)
{
    return {name, uint32_t(value)};
}

G_TROPHY_VALUE G_TROPHY_VALUE::fFromUInt(const std::string& name, uint32_t value)
{
    return {name, value};
}

int fParseConditionValueType(const std::string& text)
{
    if (text == "float")
        return TROPHY_FLOAT;
    if (text == "int")
        return TROPHY_INT;
    if (text == "uint")
        return TROPHY_UINT;
    return TROPHY_BOOL;
}

int fParseConditionOperator(const std::string& text)
{
    static const char* const NAMES[] = {">", "<", "==", "!=", ">=", "<="};
    for (int op = 0; op < 6; ++op)
        if (text == NAMES[op])
            return op;
    return TROPHY_GREATER_EQUAL;
}

float fEvaluateTrophyCondition(const G_TROPHY_CONDITION& condition, const G_TROPHY_VALUE& value)
{
    if (value.name != condition.name)
        return 0.0f;
    const int op = condition.op;
    const bool progress = op == TROPHY_EQUAL || op == TROPHY_GREATER_EQUAL;
    switch (condition.valueType)
    {
    case TROPHY_FLOAT:
    {
        const float x = fAsFloat(value.bits);
        const float t = fAsFloat(condition.value);
        return progress ? x / t : fCompare(op, x, t);
    }
    case TROPHY_INT:
    {
        const int32_t x = int32_t(value.bits);
        const int32_t t = int32_t(condition.value);
        return progress ? fWholeProgress(x, t) : fCompare(op, x, t);
    }
    case TROPHY_UINT:
        return progress ? fWholeProgress(value.bits, condition.value) : fCompare(op, value.bits, condition.value);
    default:
    {
        const uint8_t x = uint8_t(value.bits);
        const uint8_t t = uint8_t(condition.value);
        // On flags both "==" and ">=" mean equal.
        return progress ? (x == t ? 1.0f : 0.0f) : fCompare(op, x, t);
    }
    }
}

G_TROPHY::G_TROPHY(pugi::xml_node element)
    : name(element.attribute("name").value()),
      gc_id(element.attribute("gc_id").value()),
      desc(element.attribute("desc").value()),
      image_open(element.attribute("image_open").value()),
      image_close(element.attribute("image_close").value()),
      bonus(element.attribute("bonus").as_int(0))
{
    fLoadConditions(element.child("condition"));
}

void G_TROPHY::fLoadConditions(pugi::xml_node first)
{
    for (pugi::xml_node node = first; node; node = node.next_sibling())
    {
        const pugi::xml_attribute type = node.attribute("value_type");
        const pugi::xml_attribute target = node.attribute("value");
        const pugi::xml_attribute op = node.attribute("operator");
        if (node.type() != pugi::node_element || !type || !target || !op)
            continue;
        G_TROPHY_CONDITION condition;
        condition.name = node.attribute("name").value();
        condition.valueType = fParseConditionValueType(type.value());
        condition.value = fParseTarget(target, condition.valueType);
        condition.op = fParseConditionOperator(op.value());
        conditions.push_back(condition);
    }
}

bool G_TROPHY::fUpdate(G_TROPHY_VALUE value)
{
    if (achieved || conditions.size() != 1)
        return false;
    // NaN compares false, so an undefined progress never achieves.
    achieved = fEvaluateTrophyCondition(conditions.front(), value) >= 1.0f;
    return achieved;
}

G_TROPHIES::~G_TROPHIES()
{
    for (G_TROPHY* trophy : trophies)
        delete trophy;
}

bool G_TROPHIES::fLoad(const std::string& resource)
{
    if (!ZOR::zcREPOSITORY)
        return false;
    pugi::xml_document* document = ZOR::zcREPOSITORY->fGetXml(resource.c_str());
    if (!document)
        return false;
    const pugi::xml_node root = document->child("trophies");
    if (root)
        for (pugi::xml_node child = root.first_child(); child; child = child.next_sibling())
            if (child.type() == pugi::node_element)
                trophies.push_back(new G_TROPHY(child));
    ZOR::zcREPOSITORY->fReleaseXml(document);
    return bool(root);
}

G_TROPHY* G_TROPHIES::fGetTrophy(int index) const
{
    return index >= 0 && index < fGetCount() ? trophies[size_t(index)] : nullptr;
}

G_TROPHY* G_TROPHIES::fFindTrophy(const std::string& name) const
{
    for (G_TROPHY* trophy : trophies)
        if (trophy->fGetName() == name)
            return trophy;
    return nullptr;
}

bool G_TROPHIES::fIsAchieved(const std::string& name) const
{
    const G_TROPHY* trophy = fFindTrophy(name);
    return trophy && trophy->fIsAchieved();
}

bool G_TROPHIES::fUpdateTrophy(const std::string& name, const G_TROPHY_VALUE& value)
{
    G_TROPHY* trophy = fFindTrophy(name);
    return trophy && trophy->fUpdate(value);
}

void G_TROPHIES::fResetAll()
{
    for (G_TROPHY* trophy : trophies)
        trophy->fReset();
}
}
