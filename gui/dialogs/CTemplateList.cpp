// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CTemplateList.h"

#include <QIcon>
#include <QPixmap>

#include "core/templates/CTemplateStore.h"
#include "editor/CText.h"

CTemplateList::CTemplateList(const CEditorContext& context, QWidget* parent) : QListWidget(parent), m_ctx(context)
{
    setObjectName(QStringLiteral("lstTemplates"));
    setSelectionMode(QAbstractItemView::SingleSelection);
}

CTemplateStore CTemplateList::Store() const
{
    return CTemplateStore(m_ctx.settings, m_ctx.fileSystem, m_ctx.programDir, m_ctx.DataDir());
}

void CTemplateList::Fill()
{
    clear();
    for (const std::string& name : Store().ListNames()) {
        if (name.empty())
            break;
        addItem(CText::ToQ(name));
    }
}

QString CTemplateList::NameAt(int index) const
{
    const QListWidgetItem* entry = index >= 0 ? item(index) : nullptr;
    return entry ? entry->text() : QString();
}

QStringList CTemplateList::Names() const
{
    QStringList names;
    for (int i = 0; i < count(); ++i)
        names << item(i)->text();
    return names;
}

void CTemplateList::SelectRow(int index)
{
    if (index >= 0 && index < count())
        setCurrentRow(index);
    else
        setCurrentRow(-1);
}

void CTemplateList::SetPicture(int index, const QImage& picture)
{
    QListWidgetItem* entry = item(index);
    if (!entry || picture.isNull())
        return;
    setIconSize(picture.size().expandedTo(iconSize()));
    entry->setIcon(QIcon(QPixmap::fromImage(picture)));
}
