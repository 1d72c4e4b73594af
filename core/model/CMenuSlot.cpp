// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CMenuSlot.h"

#include <utility>

#include "CTavelin.h"

CMenuSlot::CMenuSlot() : m_pShared(DefaultEmpty())
{
}

CMenuSlot::CMenuSlot(std::unique_ptr<CTavelin> menu) : m_pOwn(std::move(menu))
{
}

CMenuSlot::CMenuSlot(std::shared_ptr<const CTavelin> emptyMenu) : m_pShared(std::move(emptyMenu))
{
}

CMenuSlot::CMenuSlot(const CMenuSlot& other)
    : m_pOwn(other.m_pOwn ? std::make_unique<CTavelin>(*other.m_pOwn) : nullptr), m_pShared(other.m_pShared)
{
}

CMenuSlot::~CMenuSlot() = default;

CMenuSlot& CMenuSlot::operator=(std::unique_ptr<CTavelin> menu)
{
    m_pOwn = std::move(menu);
    m_pShared.reset();
    return *this;
}

const std::shared_ptr<const CTavelin>& CMenuSlot::DefaultEmpty()
{
    static const std::shared_ptr<const CTavelin> empty = std::make_shared<const CTavelin>(0, "Menu");
    return empty;
}

CTavelin& CMenuSlot::Own()
{
    if (!m_pOwn) {
        m_pOwn = m_pShared ? std::make_unique<CTavelin>(*m_pShared) : std::make_unique<CTavelin>(0, "Menu");
        m_pShared.reset();
    }
    return *m_pOwn;
}

std::unique_ptr<CTavelin> CMenuSlot::release()
{
    Own();
    return std::move(m_pOwn);
}
