// A seeded random walk of a user's actions through the real Configuration dialog over the render window:
// pages, controls, lists chosen, names typed, Done, Clear, Save, Cancel, the close box, Default, Enter and
// ticks of the auto-switch. After every step the look, the lists and the registry are checked against a
// small model of what they must hold. PLUMORA_WALK_STEPS and PLUMORA_WALK_SEED run a longer walk or another
// one; a divergence prints the seed and the steps that led to it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "config_ui/config_dialog.h"
#include "settings/control_values.h"
#include "settings/list_draw.h"
#include "settings/registry_store.h"
#include "shell/auto_switch.h"
#include "support/dialog_driver.h"
#include "support/stored_forms.h"

namespace {

using Values = std::map<std::string, std::string>;

// What the user must meet: the settings, whether the dialog holds a change, the lists and the keys.
struct Model {
    SettingsRecord settings{};
    bool held = false;
    uint32_t current = 0;
    bool applied = false;  // a switch has applied current
    uint32_t selected = 0;
    std::string field;  // the list combo's text
    std::array<std::string, ListCount> names{};
    std::optional<SettingsRecord> mainKey;                       // the main key's record at its last save
    std::array<std::optional<SettingsRecord>, ListCount> lists;  // the saved lists' looks
};

Values LookValues(const SettingsRecord& settings) {
    Values values = StoredForms(settings);
    for (const char* name : {"Period", "AutoList", "SavedList", "OffSprinkle"})
        values.erase(name);
    return values;
}

int32_t Env(const char* name, int32_t fallback) {
    const char* text = getenv(name);
    return text != nullptr ? atoi(text) : fallback;
}

class Walk : public DialogTest {
protected:
    void Run(uint32_t seed, int steps) {
        random_.seed(seed);
        Open();
        model_.settings = SceneSettings;
        model_.names = ListNames;
        for (int step = 0; step < steps && !HasFailure(); ++step) {
            TakeAStep();
            Check();
        }
        if (!HasFailure()) return;
        std::string trail;
        for (const std::string& taken : log_)
            trail += "  " + taken + "\n";
        ADD_FAILURE() << "the walk of seed " << seed << " diverged after:\n" << trail;
    }

private:
    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }

    void Open() {
        if (RenderWindow == nullptr) {
            ASSERT_TRUE(CreateRenderWindow(WindowMode::Framed));
        }
        dialog_ = OpenConfigDialog(RenderWindow);
        if (CurrentTab == SwitchTab) SwitchPageShown();
    }

    // The list combo shows the list selected last, or the running one while the auto-switch runs.
    void SwitchPageShown() {
        if (model_.selected == 0 && model_.settings.Period != 0) model_.selected = model_.current;
        const bool shown = model_.selected != 0 || model_.settings.Period != 0;
        model_.field = shown ? model_.names[model_.selected] : "";
    }

    void ApplyLook(uint32_t list) {
        SceneLook& look = model_.settings;
        if (list < BuiltInLookCount) look = BuiltInLooks[list];
        if (list >= BuiltInLookCount && model_.lists[list]) look = *model_.lists[list];
    }

    bool HasLook(uint32_t list) const {
        return list < BuiltInLookCount || (list < ListCount && model_.lists[list]);
    }

    // The lists marked for the switch that have a look to apply.
    int32_t Drawable() const {
        int32_t lists = 0;
        for (uint32_t list = 0; list < ListCount; ++list)
            if (HasLook(list)) lists |= ListBits[list];
        return model_.settings.AutoList & lists;
    }

    void Stored() {
        model_.mainKey = model_.settings;
        model_.held = false;
    }

    void TakeAStep() {
        const bool onSwitch = CurrentTab == SwitchTab;
        switch (Pick(13)) {
            case 0: {
                const int tab = Pick(TabCount);
                log_.push_back("tab " + std::to_string(tab));
                SelectTab(dialog_, tab);
                if (tab == SwitchTab) SwitchPageShown();
                break;
            }
            case 1:
            case 2:
            case 3: ChangeAControl(); break;
            case 4:
                if (onSwitch) ChooseAList();
                break;
            case 5:
                if (onSwitch) TypeAName();
                break;
            case 6:
                if (onSwitch) PressDoneOrClear(IDC_DONE);
                break;
            case 7:
                if (onSwitch) PressDoneOrClear(IDC_CLEAR);
                break;
            case 8: End(Ending::Save); break;
            case 9: End(Pick(2) == 0 ? Ending::Cancel : Ending::CloseBox); break;
            case 10:
                log_.push_back("Default");
                PressDialogButton(dialog_, IDC_DEFAULT);
                static_cast<SceneLook&>(model_.settings) = BuiltInLooks[FactoryLook];
                model_.settings.Period = 60;
                model_.settings.AutoList = 63;
                model_.settings.OffSprinkle = 0;
                model_.held = true;
                break;
            default: Switch(); break;
        }
    }

    void ChangeAControl() {
        std::vector<const ControlBinding*> bindings;
        for (const ControlBinding& binding : ControlBindings)
            if (binding.tab == CurrentTab && IsEnabled(binding.control)) bindings.push_back(&binding);
        if (CurrentTab == SwitchTab) {
            const int list = Pick(ListCount);
            if (Pick(2) == 0 && IsEnabled(IDC_FIRST_LIST_CHECK + list)) {
                log_.push_back("check list " + std::to_string(list));
                Click(IDC_FIRST_LIST_CHECK + list);
                model_.settings.AutoList ^= ListBits[list];
                model_.held = true;
                return;
            }
        }
        if (bindings.empty()) return;
        const ControlBinding& binding = *bindings[Pick(static_cast<int>(bindings.size()))];
        std::string taken = "control " + std::to_string(binding.control) + " ";
        switch (KindOf(binding.form)) {
            case ControlKind::ComboBox: {
                const int item = Pick(static_cast<int>(binding.items.count));
                Choose(binding.control, item);
                ApplyControlPosition(binding, item, model_.settings);
                taken += std::to_string(item);
                break;
            }
            case ControlKind::TrackBar: {
                const int position = Pick(binding.barMax + 1);
                Slide(binding.control, position);
                ApplyControlPosition(binding, position, model_.settings);
                taken += std::to_string(position);
                break;
            }
            case ControlKind::CheckBox: {
                const int checked = IsChecked(binding.control) ? 0 : 1;
                Click(binding.control);
                ApplyControlPosition(binding, checked, model_.settings);
                taken += std::to_string(checked);
                break;
            }
            case ControlKind::EditBox: {
                const std::string text = binding.form == ControlForm::DecimalText
                                             ? std::to_string(Pick(50)) + "." + std::to_string(Pick(10))
                                             : std::to_string(Pick(binding.control == IDC_PERIOD ? 20 : 9));
                Type(binding.control, text.c_str());
                ApplyControlText(binding, text.c_str(), model_.settings);
                taken += text;
                break;
            }
        }
        log_.push_back(taken);
        model_.held = true;
    }

    void ChooseAList() {
        const int list = Pick(ListCount);
        log_.push_back("choose list " + std::to_string(list));
        Choose(IDC_LIST_NAME, list);
        model_.selected = static_cast<uint32_t>(list);
        model_.field = model_.names[list];
        ApplyLook(model_.selected);
        model_.held = true;
    }

    // Types a name into the list combo's field key by key, as a user does, over what it showed.
    void TypeAName() {
        const std::string name = "look " + std::to_string(Pick(100));
        log_.push_back("type " + name);
        HWND field = FindWindowExA(PageItem(IDC_LIST_NAME), nullptr, "Edit", nullptr);
        ASSERT_NE(field, nullptr);
        SendMessageA(field, EM_SETSEL, 0, -1);
        for (const char c : name)
            SendMessageA(field, WM_CHAR, static_cast<WPARAM>(c), 0);
        model_.field = name;
        model_.held = true;
    }

    void PressDoneOrClear(int button) {
        if (!IsEnabled(button)) return;
        log_.push_back(button == IDC_DONE ? "Done" : "Clear");
        Click(button);
        const uint32_t list = model_.selected;
        if (button == IDC_DONE) {
            model_.names[list] = model_.field;
            model_.lists[list] = model_.settings;
            model_.settings.SavedList |= ListBits[list];
        } else {
            model_.lists[list].reset();
            model_.settings.SavedList &= ~ListBits[list];
            model_.settings.AutoList &= ~ListBits[list];
        }
        Stored();
    }

    // Save (a fresh dialog replaces the old one), Cancel or the close box (a new dialog is opened, as F1
    // does).
    enum class Ending { Save, Cancel, CloseBox };
    void End(Ending how) {
        log_.push_back(how == Ending::Save ? "Save" : how == Ending::Cancel ? "Cancel" : "close box");
        if (how == Ending::CloseBox)
            SendMessageA(dialog_, WM_CLOSE, 0, 0);
        else
            PressDialogButton(dialog_, how == Ending::Save ? IDOK : IDCANCEL);
        model_.held = false;
        if (how == Ending::Save) {
            Stored();
            const std::vector<HWND> dialogs = ConfigDialogs();
            ASSERT_EQ(dialogs.size(), 1u);
            dialog_ = dialogs[0];
            if (CurrentTab == SwitchTab) SwitchPageShown();
            return;
        }
        if (how == Ending::Cancel) {
            if (model_.mainKey) {
                model_.settings = *model_.mainKey;
            } else {
                static_cast<SceneLook&>(model_.settings) = BuiltInLooks[FactoryLook];
                model_.settings.Period = 60;
                model_.settings.AutoList = 63;
            }
            if (model_.settings.Period != 0 && model_.applied && HasLook(model_.current))
                ApplyLook(model_.current);
        }
        Open();
    }

    // A tick of the timer or Enter on the render window: a switch, unless the dialog holds a change.
    void Switch() {
        const bool enter = Pick(2) == 0;
        log_.push_back(enter ? "Enter" : "tick");
        if (enter) {
            SendMessageA(RenderWindow, WM_KEYDOWN, VK_RETURN, 0);
            SendMessageA(RenderWindow, WM_KEYUP, VK_RETURN, 0);
        } else {
            AutoSwitch();
        }
        if (model_.held || model_.settings.Period == 0 || !AnyListMarked(Drawable())) return;
        EXPECT_NE(Drawable() & ListBits[CurrentList % ListCount], 0) << CurrentList;
        model_.current = CurrentList;
        model_.applied = true;
        ApplyLook(model_.current);
    }

    Values MainKeyValues() const {
        if (!model_.mainKey) return {};
        Values values = StoredForms(*model_.mainKey);
        values[""] = std::to_string(StoredFormatVersion);
        for (uint32_t list = FirstSavedList; list < ListCount; ++list)
            values[ListKeys[list]] = model_.names[list];
        return values;
    }

    void Check() {
        EXPECT_EQ(StoredForms(SceneSettings), StoredForms(model_.settings));
        EXPECT_EQ(DialogHoldsAChange(), model_.held);
        EXPECT_EQ(CurrentList, model_.current);
        EXPECT_EQ(ListNames, model_.names);
        EXPECT_EQ(ValuesOf(SettingsKeyPath), MainKeyValues());
        for (uint32_t list = FirstSavedList; list < ListCount; ++list)
            EXPECT_EQ(ValuesOf(SubkeyPath(ListKeys[list])),
                      model_.lists[list] ? LookValues(*model_.lists[list]) : Values{})
                << ListKeys[list];
        EXPECT_TRUE(ShownMessages.empty()) << ShownMessages.front();
    }

    std::mt19937 random_;
    Model model_;
    HWND dialog_ = nullptr;
    std::vector<std::string> log_;
};

TEST_F(Walk, TheDialogTheListsAndTheRegistryAlwaysHoldWhatTheUserDid) {
    Run(static_cast<uint32_t>(Env("PLUMORA_WALK_SEED", 2026)), Env("PLUMORA_WALK_STEPS", 300));
}

}  // namespace
