#include "ui/SettingsPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/Application.h"
#include "i18n/LanguageManager.h"
#include "profiles/GameBindings.h"

SettingsPage::SettingsPage(Application* application, QWidget* parent) : QWidget(parent), m_application(application)
{
    setObjectName(QStringLiteral("pageSettings"));

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(20, 16, 20, 16);
    root->setSpacing(12);

    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("pageTitle"));
    root->addWidget(m_title);

    m_hint = new QLabel(this);
    m_hint->setObjectName(QStringLiteral("pageHint"));
    m_hint->setWordWrap(true);
    root->addWidget(m_hint);

    auto* card = new QFrame(this);
    card->setObjectName(QStringLiteral("placeholderCard"));
    auto* cardLayout = new QVBoxLayout(card);
    cardLayout->setContentsMargins(16, 14, 16, 14);
    cardLayout->setSpacing(10);

    auto* languageRow = new QHBoxLayout;
    m_languageKey = new QLabel(card);
    m_languageCombo = new QComboBox(card);
    m_languageCombo->setMinimumWidth(260);
    languageRow->addWidget(m_languageKey);
    languageRow->addWidget(m_languageCombo, 1);
    cardLayout->addLayout(languageRow);

    auto* themeRow = new QHBoxLayout;
    m_themeKey = new QLabel(card);
    m_themeValue = new QLabel(card);
    m_themeValue->setStyleSheet(QStringLiteral("color:#888;"));
    themeRow->addWidget(m_themeKey);
    themeRow->addWidget(m_themeValue, 1);
    cardLayout->addLayout(themeRow);

    // Game-aware profiles (the bindings are edited from the Pedals page's profile bar).
    m_switchOnStart = new QCheckBox(card);
    m_switchOnStart->setChecked(GameBindings::switchOnStart());
    m_returnOnEnd = new QCheckBox(card);
    m_returnOnEnd->setChecked(GameBindings::returnOnEnd());
    connect(m_switchOnStart, &QCheckBox::toggled, this, [](bool on) { GameBindings::setSwitchOnStart(on); });
    connect(m_returnOnEnd, &QCheckBox::toggled, this, [](bool on) { GameBindings::setReturnOnEnd(on); });
    cardLayout->addWidget(m_switchOnStart);
    cardLayout->addWidget(m_returnOnEnd);

    root->addWidget(card);
    root->addStretch();

    connect(m_languageCombo, &QComboBox::currentIndexChanged, this, &SettingsPage::onLanguageIndexChanged);
    if (m_application && m_application->languageManager) {
        connect(m_application->languageManager.get(), &LanguageManager::localeChanged, this,
                [this](const QString& code) {
                    m_updatingCombo = true;
                    selectLanguage(code);
                    m_updatingCombo = false;
                });
    }

    populateLanguages();
    retranslateUi();
}

void SettingsPage::populateLanguages()
{
    m_updatingCombo = true;
    m_languageCombo->clear();
    const auto languages = LanguageManager::availableLanguages();
    for (const auto& language : languages)
        m_languageCombo->addItem(language.second, language.first);

    const QString current = (m_application && m_application->languageManager)
        ? m_application->languageManager->currentLanguage()
        : QStringLiteral("en");
    selectLanguage(current);
    m_updatingCombo = false;
}

void SettingsPage::selectLanguage(const QString& code)
{
    for (int i = 0; i < m_languageCombo->count(); ++i) {
        if (m_languageCombo->itemData(i).toString().compare(code, Qt::CaseInsensitive) == 0) {
            m_languageCombo->setCurrentIndex(i);
            return;
        }
    }
}

void SettingsPage::onLanguageIndexChanged(int index)
{
    if (m_updatingCombo || index < 0 || !m_application || !m_application->languageManager)
        return;
    const QString code = m_languageCombo->itemData(index).toString();
    if (!code.isEmpty())
        m_application->languageManager->setLanguage(code);
}

void SettingsPage::retranslateUi()
{
    m_title->setText(QStringLiteral("<h2>%1</h2>").arg(QCoreApplication::translate("Quilbex", "Settings")));
    m_hint->setText(QCoreApplication::translate(
        "Quilbex", "Language, theme, and default paths. (Theme remains a placeholder in this version.)"));
    m_languageKey->setText(QCoreApplication::translate("Quilbex", "Language"));
    m_themeKey->setText(QCoreApplication::translate("Quilbex", "Theme"));
    m_themeValue->setText(QCoreApplication::translate("Quilbex", "Light (placeholder)"));
    m_switchOnStart->setText(QCoreApplication::translate("Quilbex", "Switch profiles when a game starts"));
    m_returnOnEnd->setText(QCoreApplication::translate("Quilbex", "Return to the previous profile when the game ends"));
}

void SettingsPage::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}
