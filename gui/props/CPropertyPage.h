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
class QTimer;

// A page of a property sheet: LoadFromModel shows the model's values on the
// controls when the page becomes active; StoreToModel reads and checks the
// controls and gives the values to the model editor when the page stops being
// active (CBoundPage does both from one table of bound fields).
//
// Between the two, a watched control's edits go into the model as the author
// makes them: typed text after a short pause (kTypingPauseMs), a pick from a
// list, a radio button, a check box or the colour dialog at once. A number box
// gives its value once the text is a valid value; its message about a wrong
// value waits until the box is left.
class CPropertyPage : public QWidget {
    Q_OBJECT
public:
    // The area every page of the sheets has, in dialog units.
    static constexpr int kPageWidthDlu = 302;
    static constexpr int kPageHeightDlu = 90;
    // The pause in typing after which the typed text goes into the model.
    static constexpr int kTypingPauseMs = 250;

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
    // Gives the model the edit still waiting for the pause in typing, if any.
    void ApplyPendingEdit();
    bool HasPendingEdit() const { return m_pPending != nullptr; }
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

    // Applies control's edits as they are made (see above).
    void WatchEdits(QObject* control);
    // Gives the model the value of control alone; tell: a refused input
    // shows its message (else it is silently left for later).
    virtual void ApplyEdit(const QObject* control, bool tell);
    // What the page's edits go into now (an edit waiting for the pause is
    // dropped when this changes meanwhile).
    virtual const void* EditTarget() const { return nullptr; }
    void DropPendingEdit();
    bool eventFilter(QObject* watched, QEvent* event) override;

    // While one lives, changes of the controls are the page's own loading,
    // not edits.
    class LoadingScope {
    public:
        explicit LoadingScope(CPropertyPage& page) : m_page(page) { ++m_page.m_nLoading; }
        ~LoadingScope() { --m_page.m_nLoading; }
        LoadingScope(const LoadingScope&) = delete;
        LoadingScope& operator=(const LoadingScope&) = delete;

    private:
        CPropertyPage& m_page;
    };

private:
    CEditorContext m_ctx;
    QString m_strTitle;
    void OnEdited(const QObject* control, int delayMs);
    // A number box was left: its value is checked, with a message this time.
    void OnNumberLeft(CIntegerField* field);

    CIntegerField* m_pRefused = nullptr;
    QTimer* m_pEditTimer = nullptr;
    const QObject* m_pPending = nullptr;
    const void* m_pPendingTarget = nullptr;
    int m_nLoading = 0;
};
