#pragma once

#include <string>
#include <vector>

#include "../model/CAppletParameters.h"

// Gives the menus their numbers in depth-first order: a menu takes the
// counter's value, its items are collected, the counter goes up, then the
// sub-menus of its items are visited in item order.
// Page mode writes only visible menus with at least one visible item and only
// visible items; project mode writes every menu and every item.
// Sets m_nNumber, m_nMenuCount, m_strRelation and m_arrWritten of the model.
class CNumberingWalk {
public:
    CNumberingWalk(CAppletParameters& params, bool pageMode) : m_params(params), m_bPageMode(pageMode) {}

    // The written menus in number order.
    const std::vector<CTavelin*>& Run();
    const std::vector<CTavelin*>& Menus() const { return m_menus; }
    // Whether the item goes into the output of this walk.
    bool Writes(const CTavelinItem& item) const { return !m_bPageMode || item.m_bVisible != 0; }
    // The structure value: N, the item counts, the relation entries (each
    // with its final comma). Empties m_arrWritten.
    std::string StructureValue();

private:
    bool IsWritten(const CTavelin& menu) const;

    CAppletParameters& m_params;
    bool m_bPageMode;
    std::vector<CTavelin*> m_menus;
    std::vector<int> m_topNumbers;        // written top-level menus, list order
    std::vector<int> m_subNumberOfItem;   // by global item index; -1 for none
};
