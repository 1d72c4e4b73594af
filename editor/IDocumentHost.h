// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

class QWidget;

// What the document asks of the windows that show it: the owner of its
// prompts, the input still on the property page, and the template that
// File > New starts from. The main window answers; a document without one
// has no pending input and starts every new project from template 0.
class IDocumentHost {
public:
    virtual ~IDocumentHost() = default;

    virtual QWidget* DialogOwner() const = 0;
    // Stores the property page's input; false when the page refused it (its
    // message has been shown).
    virtual bool CommitPendingInput() = 0;
    // The model is about to be replaced: no page may still edit it.
    virtual void ForgetPendingInput() = 0;
    // File > New's choice of template; nothing when cancelled.
    virtual std::optional<int> ChooseTemplate() = 0;
};
