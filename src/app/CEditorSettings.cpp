#include "app/CEditorSettings.h"

#include "app/SettingsTable.h"

CEditorSettings::CEditorSettings() {
    ApplySettingDefaults(*this);
}
