// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include "calc/EntryForm.h"
#include "platform/Window.h"

namespace quorvel {

namespace platform {
class AccessibleNotice;
class EditField;
} // namespace platform

// The calculator: three number fields with their labels, Calculate and Clear, the title pictures and a
// badge that opens the information about the formula. Closing it ends the program.
// ControlWnd, AFld, Canvas1, CalcBtn_Action: old names, explained under Names in README.md.
class ControlWnd final : public platform::ImplicitWindow<ControlWnd>, private calc::EntryForm
{
protected:
    void Layout() override;
    void CreateControls() override;
    void AddMenuHandlers() override;
    void Close() override;
    void Activate() override;
    void EnableMenuItems() override;

private:
    void createButtons();
    void createFields();
    void createLabels();
    void createTitleAndBadge();

    void CalcBtn_Action();
    void ClearBtn_Action();
    bool AFld_KeyDown(const QString& key);
    bool BFld_KeyDown(const QString& key);
    bool ABFld_KeyDown(const QString& key);
    bool Canvas1_MouseDown(int x, int y);
    void logo_MouseEnter();
    bool AboutMenuItem_Action();
    bool AboutMentavo_Action();

    platform::EditField& field(calc::Field which) const;
    void tellResult(calc::Field which);
    void setFieldText(calc::Field which, std::string_view text) override;
    void focusField(calc::Field which) override;
    void beep() override;

    platform::AccessibleNotice* m_resultNotice = nullptr;
};

} // namespace quorvel
