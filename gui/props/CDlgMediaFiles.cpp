// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CDlgMediaFiles.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "CPropertyPage.h"
#include "editor/CText.h"
#include "editor/IUserPrompts.h"
#include "gui/widgets/CHelpSystem.h"
#include "gui/widgets/CMediaPreview.h"

CDlgMediaFiles::CDlgMediaFiles(IUserPrompts& prompts, const QString& caption, int dialogId, const QStringList& names,
                               const QString& filter, CMediaFormat::Kind kind, QWidget* parent)
    : QDialog(parent), m_prompts(prompts), m_strFilter(filter), m_eKind(kind),
      m_nHelpContext(CPropertyPage::HelpContextOf(dialogId))
{
    setWindowTitle(caption);
    setProperty("helpContext", m_nHelpContext);
    QWidget* boxes = BuildBoxes(names);
    QGroupBox* scope = CPropertyPage::MakeRadioBox(
        this, tr("Apply to"), {tr("Only This Item"), tr("All the Items in the Same Menu"), tr("All the Items")},
        m_pScope, Qt::Vertical);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help,
                                         Qt::Vertical, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [this] { CHelpSystem::Request(this, m_nHelpContext); });

    auto* grid = new QGridLayout(this);
    grid->addWidget(boxes, 0, 0);
    grid->addWidget(scope, 1, 0);
    grid->addWidget(buttons, 0, 1, 2, 1);
    SetScope(CModelEditor::Scope::None);
}

QWidget* CDlgMediaFiles::BuildBoxes(const QStringList& names)
{
    auto* boxes = new QWidget(this);
    auto* grid = new QGridLayout(boxes);
    grid->setContentsMargins(0, 0, 0, 0);
    QWidget* previous = nullptr;
    for (const QString& name : names) {
        auto* box = new QLineEdit(boxes);
        box->setObjectName(QString(name).remove(QLatin1Char(' ')));
        box->setMinimumWidth(CPropertyPage::DialogUnits(font(), 160, 0).width());
        auto* browse = new QPushButton(QStringLiteral("..."), boxes);
        browse->setObjectName(QStringLiteral("Browse") + box->objectName());
        browse->setFixedWidth(browse->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 12);
        browse->setAutoDefault(false);
        browse->setAccessibleName(tr("Choose the %1 file").arg(name));
        connect(browse, &QPushButton::clicked, this, [this, box] { Browse(box); });
        const int row = int(m_arrBoxes.size());
        grid->addWidget(CPropertyPage::MakeLabel(name + QLatin1Char(':'), box), row, 0);
        grid->addWidget(box, row, 1);
        grid->addWidget(browse, row, 2);
        if (m_eKind == CMediaFormat::Kind::Picture)
            grid->addWidget(MakeThumbnail(box, boxes), row, 3);
        if (previous)
            CPropertyPage::SetTabOrder({previous, box});
        CPropertyPage::SetTabOrder({box, browse});
        previous = browse;
        m_arrBoxes.push_back(box);
    }
    return boxes;
}

QString CDlgMediaFiles::FilterOf(const QString& title, CMediaFormat::Kind kind)
{
    QStringList patterns;
    for (const std::string& extension : CMediaFormat::Extensions(kind, false))
        patterns << QStringLiteral("*.") + QString::fromStdString(extension);
    return title + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
}

// The chosen picture, small, as the box's text names it.
QWidget* CDlgMediaFiles::MakeThumbnail(QLineEdit* box, QWidget* parent)
{
    auto* thumbnail = new QLabel(parent);
    thumbnail->setObjectName(QStringLiteral("Thumbnail") + box->objectName());
    thumbnail->setFixedSize(kThumbnailSide, kThumbnailSide);
    thumbnail->setAlignment(Qt::AlignCenter);
    connect(box, &QLineEdit::textChanged, thumbnail,
            [thumbnail](const QString& path) { thumbnail->setPixmap(CMediaPreview::Thumbnail(path, kThumbnailSide)); });
    return thumbnail;
}

void CDlgMediaFiles::SetFile(int index, std::string_view path)
{
    m_arrBoxes.at(size_t(index))->setText(CText::ToQ(path));
}

std::string CDlgMediaFiles::File(int index) const
{
    return CText::FromQ(m_arrBoxes.at(size_t(index))->text());
}

// The radio buttons' ids are the scopes' values.
void CDlgMediaFiles::SetScope(CModelEditor::Scope scope)
{
    CPropertyPage::SetChoice(m_pScope, static_cast<int>(scope));
}

CModelEditor::Scope CDlgMediaFiles::Scope() const
{
    const int choice = CPropertyPage::Choice(m_pScope);
    return choice < 0 ? CModelEditor::Scope::None : static_cast<CModelEditor::Scope>(choice);
}

// No check that the file exists: that is the parameter check's task.
void CDlgMediaFiles::Browse(QLineEdit* box)
{
    const QString path = m_prompts.OpenMediaFileName(this, m_strFilter, box->text());
    if (!path.isEmpty())
        box->setText(path);
}
