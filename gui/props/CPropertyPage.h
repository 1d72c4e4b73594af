// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <initializer_list>

#include "editor/CEditorContext.h"

class CIntegerField;
class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;

// A page of a property sheet: LoadFromModel shows the model's values on the
// controls when the page becomes active; StoreToModel reads and checks the
// controls and gives the values to the model editor when the page stops being
// active (CBoundPage does both from one table of bound fields).
class CPropertyPage : public QWidget {
    Q_OBJECT
public:
    // The area every page of the sheets has, in dialog units.
    static constexpr int kPageWidthDlu = 302;
    static constexpr int kPageHeightDlu = 90;

    CPropertyPage(const CEditorContext& context, const QString& title, int dialogId, QWidget* parent = nullptr);

    QString Title() const { return m_strTitle; }
    virtual void LoadFromModel() = 0;
    // False when a control's input was refused: the message was shown, the
    // control has the focus and nothing of the page was stored.
    virtual bool StoreToModel() = 0;
    // True when the model no longer holds what the page last loaded or
    // stored (an undo, a redo or the check changed it meanwhile).
    virtual bool IsStale() const = 0;
    // Gives the focus back to the control whose input was last refused.
    void FocusRefused();
    // A page laid out at its fixed area asks for exactly that area.
    QSize sizeHint() const override;

    // Dialog units of font in pixels (average character width / 4, height / 8).
    static QSize DialogUnits(const QFont& font, int width, int height);
    static int HelpContextOf(int dialogId) { return 0x20000 + dialogId; }

    // Radio groups and drop-down lists: -1 (or any value out of range) shows
    // no choice, and no choice reads back as -1.
    static void SetChoice(QButtonGroup* group, int value);
    static int Choice(const QButtonGroup* group);
    static void SetChoice(QComboBox* combo, int value);
    static int Choice(const QComboBox* combo);
    static void SetTabOrder(std::initializer_list<QWidget*> widgets);
    static QButtonGroup* MakeRadioGroup(QWidget* owner, std::initializer_list<QAbstractButton*> buttons);
    // A drop-down list (not editable) named name, holding entries.
    static QComboBox* MakeList(QWidget* owner, const QString& name, const QStringList& entries);
    static QLabel* MakeLabel(const QString& text, QWidget* buddy);
    // A group box titled title (also its name) with one radio button per text,
    // numbered from 0 in group, laid out in a row or a column.
    static QGroupBox* MakeRadioBox(QWidget* owner, const QString& title, const QStringList& texts, QButtonGroup*& group,
                                   Qt::Orientation orientation = Qt::Horizontal);

protected:
    const CEditorContext& Ctx() const { return m_ctx; }

    // Fixes the page at the sheets' page area (grown if the controls need more).
    void FixPageSize();
    bool ReadInt(CIntegerField* field, int& value);
    bool ReadInt(CIntegerField* field, int& value, int min, int max);

private:
    CEditorContext m_ctx;
    QString m_strTitle;
    CIntegerField* m_pRefused = nullptr;
};
