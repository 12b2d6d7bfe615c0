#pragma once

// Shared by the widget tests: scripted answers to modal dialogs, and the main window whose
// pages are reached through the side bar (some pages are built when first shown).

#include <QApplication>
#include <QFile>
#include <QInputDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

#include "app/Application.h"
#include "app/SharedRecords.h"
#include "i18n/LanguageManager.h"
#include "ui/MainWindow.h"

// Answers the modal dialogs of a flow in order (a button, QMessageBox::Escape for the Escape
// key, or the text for an input dialog) and records each as "title|text[|informative text]"
// and a message box's default button. A dialog without an answer is rejected and counted, so
// a wrong flow fails instead of blocking. onOpen runs first; a dialog it closes needs no answer.
class DialogScript : public QObject
{
public:
    explicit DialogScript(QVariantList answers = {}) : m_answers(std::move(answers))
    {
        connect(&m_timer, &QTimer::timeout, this, &DialogScript::poll);
        m_timer.start(5);
    }
    DialogScript& then(const QVariant& answer) { return m_answers.append(answer), *this; }
    bool allAnswered() const { return m_answers.isEmpty(); }

    QStringList seen;
    QList<QMessageBox::StandardButton> defaults;
    int unexpected = 0;
    std::function<void()> onOpen;

private:
    void poll()
    {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || dialog == m_last)
            return;
        m_last = dialog;
        auto* box = qobject_cast<QMessageBox*>(dialog);
        auto* input = qobject_cast<QInputDialog*>(dialog);
        seen << dialog->windowTitle() + QLatin1Char('|') + (box ? box->text() : input ? input->labelText() : QString());
        if (box && !box->informativeText().isEmpty())
            seen.last() += QLatin1Char('|') + box->informativeText();
        if (box)
            defaults << box->standardButton(box->defaultButton());
        if (onOpen)
            onOpen();
        if (!dialog->isVisible())
            return;
        const QVariant answer = m_answers.isEmpty() ? QVariant() : m_answers.takeFirst();
        const auto button = QMessageBox::StandardButton(answer.toInt());
        if (box && answer.userType() == QMetaType::Int && button == QMessageBox::Escape) {
            QTest::keyClick(box, Qt::Key_Escape);
        } else if (box && answer.userType() == QMetaType::Int && box->button(button)) {
            box->button(button)->click();
        } else if (input && answer.userType() == QMetaType::QString) {
            input->setTextValue(answer.toString());
            input->accept();
        } else {
            ++unexpected;
            dialog->reject();
        }
    }

    QTimer m_timer;
    QVariantList m_answers;
    QPointer<QDialog> m_last;
};

// The main window without pedals (or on the given ones, in the given language); going never
// asks about an update.
struct WindowRig
{
    std::unique_ptr<Application> app;
    std::unique_ptr<MainWindow> window;

    explicit WindowRig(const Application::TransportFactory& pedals = {}, const QString& language = {})
        : app(std::make_unique<Application>(pedals))
    {
        if (!language.isEmpty())
            app->languageManager->setLanguage(language);
        window = std::make_unique<MainWindow>(app.get());
    }
    ~WindowRig()
    {
        app->upgradeStatus->state = UpgradeStatus::Idle;
        window.reset();
    }
    QListWidget* nav() const { return window->findChild<QListWidget*>(QStringLiteral("navList")); }
    QWidget* shown() const { return window->findChild<QStackedWidget*>(QStringLiteral("pageStack"))->currentWidget(); }
    QString status() const { return window->statusBar()->currentMessage(); }
    // Whether the page shown is the one named (or holds it, when built on demand).
    bool showing(const QString& name) const
    {
        return shown()->objectName() == name || shown()->findChild<QWidget*>(name);
    }
};

// Run by hand, the tests never touch the user's own profiles and settings.
inline const bool g_standardPathsInTestMode = (QStandardPaths::setTestModeEnabled(true), true);

inline QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
