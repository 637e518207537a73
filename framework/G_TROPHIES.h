#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include <pugixml.hpp>

namespace ZOR_GF
{
// How a condition reads its 4-byte target and the values fed to it.
enum
{
    TROPHY_BOOL = 0, // only the first byte counts
    TROPHY_FLOAT = 1,
    TROPHY_INT = 2,
    TROPHY_UINT = 3
};

enum
{
    TROPHY_GREATER = 0,       // ">"
    TROPHY_LESS = 1,          // "<"
    TROPHY_EQUAL = 2,         // "=="
    TROPHY_NOT_EQUAL = 3,     // "!="
    TROPHY_GREATER_EQUAL = 4, // ">="
    TROPHY_LESS_EQUAL = 5     // "<="
};

// A named 4-byte number; its meaning is the value type of the condition that reads it.
struct G_TROPHY_VALUE
{
    static G_TROPHY_VALUE fFromBool(const std::string& name, bool value);
    static G_TROPHY_VALUE fFromFloat(const std::string& name, float value);
    static G_TROPHY_VALUE fFromInt(const std::string& name, int32_t value);
    static G_TROPHY_VALUE fFromUInt(const std::string& name, uint32_t value);

    std::string name;
    uint32_t bits = 0;
};

struct G_TROPHY_CONDITION
{
    std::string name;
    int valueType = TROPHY_BOOL;
    uint32_t value = 0; // the target, read as valueType says
    int op = TROPHY_GREATER_EQUAL;
};

// "bool", "float", "int", "uint"; anything else is bool.
int fParseConditionValueType(const std::string& text);
// ">", "<", "==", "!=", ">=", "<="; anything else is ">=".
int fParseConditionOperator(const std::string& text);
// 0 when the names differ; else 1 or 0 for a comparison, and for "==" and ">=" on numbers
// the progress value / target, which reaches 1 when the target is met.
float fEvaluateTrophyCondition(const G_TROPHY_CONDITION& condition, const G_TROPHY_VALUE& value);

class G_TROPHY
{
public:
    explicit G_TROPHY(pugi::xml_node element);

    // From the given element on, every following element with "value_type", "value" and
    // "operator" is a condition; others are skipped.
    void fLoadConditions(pugi::xml_node first);
    // True exactly when this call made the trophy achieved; a trophy needs exactly one condition.
    bool fUpdate(G_TROPHY_VALUE value);

    std::string fGetName() const { return name; }
    std::string fGetGcId() const { return gc_id; }
    std::string fGetDesc() const { return desc; }
    std::string fGetImageOpen() const { return image_open; }
    std::string fGetImageClose() const { return image_close; }
    int fGetBonus() const { return bonus; }
    bool fIsAchieved() const { return achieved; }
    void fReset() { achieved = false; }
    const std::vector<G_TROPHY_CONDITION>& fGetConditions() const { return conditions; }

private:
    std::string name;
    std::string gc_id;
    std::string desc;
    std::string image_open;
    std::string image_close;
    int bonus = 0;
    bool achieved = false;
    std::vector<G_TROPHY_CONDITION> conditions;
};

// The trophies of the edition's trophies file, in file order.
class G_TROPHIES
{
public:
    G_TROPHIES() = default;
    ~G_TROPHIES();
    G_TROPHIES(const G_TROPHIES&) = delete;
    G_TROPHIES& operator=(const G_TROPHIES&) = delete;

    // Appends one trophy per child of the document's "trophies" element; false when the
    // repository has no such document or it has no "trophies".
    bool fLoad(const std::string& resource);
    int fGetCount() const { return int(trophies.size()); }
    G_TROPHY* fGetTrophy(int index) const;
    G_TROPHY* fFindTrophy(const std::string& name) const;
    bool fHasTrophy(const std::string& name) const { return fFindTrophy(name) != nullptr; }
    bool fIsAchieved(const std::string& name) const;
    bool fUpdateTrophy(const std::string& name, const G_TROPHY_VALUE& value);
    void fResetAll();

private:
    std::vector<G_TROPHY*> trophies;
};
}
