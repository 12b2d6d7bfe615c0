#include "ui/PedalsPage.h"

// Placeholder until the profile bar lands.
struct CurveProfile {};
void PedalsPage::onProfileNew() {}
void PedalsPage::onProfileDelete() {}
void PedalsPage::onProfileLoad() {}
void PedalsPage::onProfileSave() {}
void PedalsPage::onProfileImport() {}
void PedalsPage::onProfileExport() {}
void PedalsPage::onProfileComboActivated(int) {}
void PedalsPage::buildProfileBar(QFrame*) {}
void PedalsPage::initProfiles() {}
void PedalsPage::refreshProfileCombo() {}
void PedalsPage::selectProfileByPath(const QString&) {}
void PedalsPage::applyProfileToModel(const CurveProfile&) {}
CurveProfile PedalsPage::buildProfileFromModel(const QString&) { return {}; }
bool PedalsPage::saveCurrentProfile(QString*) { return false; }
bool PedalsPage::confirmUnsavedChanges(const QString&) { return true; }
void PedalsPage::updateDirtyUi() {}
void PedalsPage::markProfileDirty() {}
void PedalsPage::clearProfileDirty() {}
void PedalsPage::onProfileRename() {}
QString PedalsPage::selectedProfilePath() const { return {}; }
