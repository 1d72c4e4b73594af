#include "CTemplateList.h"

#include "app/CAppletTavelinWizardApp.h"
#include "app/CText.h"
#include "templates/CTemplateStore.h"

CTemplateList::CTemplateList(QWidget* parent) : QListWidget(parent)
{
    setObjectName(QStringLiteral("lstTemplates"));
    setSelectionMode(QAbstractItemView::SingleSelection);
}

CTemplateStore CTemplateList::Store()
{
    CAppletTavelinWizardApp& app = theApp();
    return CTemplateStore(app.Settings(), app.FileSystem(), app.m_strProgramDir);
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
