// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "CPropertyPage.h"
#include "editor/CText.h"
#include "gui/widgets/CColorButton.h"
#include "gui/widgets/CIntegerField.h"

// A property page whose controls show fields of one model record (the
// applet's settings, an item's fields, a menu's style). Each control is
// bound once to its field, with the check its input must pass; from that one
// table the page loads its controls, reads and checks them back, and tells
// whether the model still holds what the page last loaded or stored.
//
// The page's own store is one way: it hands the edited record to the model
// editor, and since the page records beforehand what it stored, the editor's
// notice finds the page up to date. Only changes made elsewhere (undo, redo,
// the check's size) make it stale. Every bound control is watched: its edits
// reach the model field by field as they are made (see CPropertyPage).
template <typename Record>
class CBoundPage : public CPropertyPage {
public:
    using CPropertyPage::CPropertyPage;

    // With nothing to show (no item selected) the controls keep what they show.
    void LoadFromModel() override
    {
        DropPendingEdit();
        if (const Record* source = Source()) {
            m_shown = *source;
            Show(m_shown);
        }
    }

    bool StoreToModel() override { return StoreBound(nullptr); }

    bool IsStale() const override
    {
        const Record* source = Source();
        if (!source)
            return false;
        for (const Binding& binding : m_bindings)
            if (!binding.same(*source, m_shown))
                return true;
        return false;
    }

protected:
    // The record the page shows; null when there is none (no item selected).
    virtual const Record* Source() const = 0;
    // Hands the edited record to the model editor as one step called name.
    // field names the one field that changed (empty: several did), so that
    // repeated edits of one field become one step.
    virtual void Commit(const Record& edited, const QString& name, const QString& field) = 0;

    // The controls show record (the start values, before the first load).
    void Show(const Record& record)
    {
        LoadingScope loading(*this);
        for (const Binding& binding : m_bindings)
            binding.show(record);
    }

    // Reads and checks every control without storing anything.
    bool CheckInput()
    {
        Record scratch = m_shown;
        for (const Binding& binding : m_bindings)
            if (!binding.read(scratch))
                return false;
        return true;
    }

    // Reads and checks every control, then gives the model the bound fields
    // (only control's, when given). A refused input stores nothing: its
    // message has been shown and the page can give it the focus back.
    bool StoreBound(const QObject* only)
    {
        ApplyPendingEdit();
        const Record* source = Source();
        if (!source)
            return CheckInput();
        Record read = *source;
        for (const Binding& binding : m_bindings)
            if (!binding.read(read))
                return false;
        Record edited = *source;
        const Binding* changed = nullptr;
        int count = 0;
        for (const Binding& binding : m_bindings) {
            if ((only && binding.control != only) || binding.same(edited, read))
                continue;
            binding.copy(edited, read);
            changed = &binding;
            ++count;
        }
        if (count == 0)
            return true;
        m_shown = edited;
        Commit(edited, count == 1 ? changed->name : Title(),
               count == 1 ? Title() + QLatin1Char('/') + changed->name : QString());
        return true;
    }

    const void* EditTarget() const override { return Source(); }

    // The fields bound to control alone go into the model, as one step that
    // merges with the next edit of the same field. Input that is refused (a
    // number box holding no valid value yet) stays on the control and tells
    // why only when tell is set.
    void ApplyEdit(const QObject* control, bool tell) override
    {
        const Record* source = Source();
        if (!source)
            return;
        Record edited = *source;
        const Binding* changed = nullptr;
        for (const Binding& binding : m_bindings) {
            if (binding.control != control)
                continue;
            Record read = *source;
            if (!(tell ? binding.read(read) : binding.peek(read)))
                return;
            binding.copy(m_shown, read);
            if (!binding.same(edited, read)) {
                binding.copy(edited, read);
                changed = &binding;
            }
        }
        if (changed)
            Commit(edited, changed->name, Title() + QLatin1Char('/') + changed->name);
    }

    // A binding of control to the field that field picks out of the record
    // (a member pointer, or a callable taking the record); show puts the
    // value on the control, read takes it back (false: refused).
    template <typename Field, typename ShowFn, typename ReadFn>
    void Bind(const QString& name, QObject* control, Field field, ShowFn show, ReadFn read)
    {
        Binding binding;
        binding.name = name;
        binding.control = control;
        binding.show = [field, show](const Record& r) { show(std::invoke(field, r)); };
        binding.read = [field, read](Record& r) { return read(std::invoke(field, r)); };
        binding.peek = binding.read;
        binding.same = [field](const Record& a, const Record& b) {
            return std::invoke(field, a) == std::invoke(field, b);
        };
        binding.copy = [field](Record& to, const Record& from) { std::invoke(field, to) = std::invoke(field, from); };
        m_bindings.push_back(std::move(binding));
        WatchEdits(control);
    }

    template <typename Field>
    void Bind(const QString& name, QLineEdit* edit, Field field)
    {
        Bind(
            name, edit, field, [edit](const auto& v) { edit->setText(CText::ToQ(v)); },
            [edit](auto& v) {
                v = CText::FromQ(edit->text());
                return true;
            });
    }

    // Lines of the box are kept with CR LF in the model.
    template <typename Field>
    void Bind(const QString& name, QPlainTextEdit* edit, Field field)
    {
        Bind(
            name, edit, field, [edit](const auto& v) { edit->setPlainText(CText::ToQMultiLine(v)); },
            [edit](auto& v) {
                v = CText::FromQMultiLine(edit->toPlainText());
                return true;
            });
    }

    template <typename Field>
    void Bind(const QString& name, QComboBox* combo, Field field)
    {
        Bind(
            name, combo, field, [combo](int v) { SetChoice(combo, v); },
            [combo](int& v) {
                v = Choice(combo);
                return true;
            });
    }

    template <typename Field>
    void Bind(const QString& name, QButtonGroup* group, Field field)
    {
        Bind(
            name, group, field, [group](int v) { SetChoice(group, v); },
            [group](int& v) {
                v = Choice(group);
                return true;
            });
    }

    template <typename Field>
    void Bind(const QString& name, QCheckBox* check, Field field)
    {
        Bind(
            name, check, field, [check](int v) { check->setChecked(v != 0); },
            [check](int& v) {
                v = check->isChecked() ? 1 : 0;
                return true;
            });
    }

    template <typename Field>
    void Bind(const QString& name, CColorButton* button, Field field)
    {
        Bind(
            name, button, field, [button](COLORREF v) { button->SetColor(v); },
            [button](COLORREF& v) {
                v = button->m_crColor;
                return true;
            });
    }

    // An integer box, refused outside range when one is given.
    template <typename Field>
    void Bind(const QString& name, CIntegerField* box, Field field,
              std::optional<std::pair<int, int>> range = std::nullopt)
    {
        Bind(
            name, box, field, [box](int v) { box->SetValue(v); },
            [this, box, range](int& v) {
                return range ? ReadInt(box, v, range->first, range->second) : ReadInt(box, v);
            });
        // While typing, a value goes in once it is valid, without a word before.
        m_bindings.back().peek = [field, box, range](Record& r) {
            const std::optional<int> value = CIntegerField::Parse(box->Text());
            if (!value || (range && (*value < range->first || *value > range->second)))
                return false;
            std::invoke(field, r) = *value;
            return true;
        };
    }

private:
    struct Binding {
        QString name;
        const QObject* control = nullptr;
        std::function<void(const Record&)> show;
        std::function<bool(Record&)> read;
        std::function<bool(Record&)> peek;  // read without a word when refused
        std::function<bool(const Record&, const Record&)> same;
        std::function<void(Record&, const Record&)> copy;
    };

    std::vector<Binding> m_bindings;
    Record m_shown{};  // the bound fields as last loaded or stored
};
