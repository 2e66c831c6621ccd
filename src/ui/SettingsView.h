#pragma once

#include <QWidget>

class ElidedLabel;
class QComboBox;
class QSpinBox;
class QLabel;
class QPushButton;
class SettingsStore;

// The settings window: the interface language, the default folder for dumps, the container
// engine, and the disclaimer with the licence and the website.
class SettingsView : public QWidget {
    Q_OBJECT

public:
    static constexpr int kWidth = 640;

    explicit SettingsView(SettingsStore& settings, QWidget* parent = nullptr);

    QComboBox* languagePicker() const { return language_; }
    QComboBox* enginePicker() const { return engine_; }
    QSpinBox* rowSessionsField() const { return jobs_; }
    ElidedLabel* folderPath() const { return folderPath_; }
    QPushButton* chooseFolderButton() const { return chooseFolder_; }
    QPushButton* clearFolderButton() const { return clearFolder_; }
    QPushButton* licenseButton() const { return license_; }
    QLabel* websiteLink() const { return website_; }
    QLabel* disclaimer() const { return summary_; }

private:
    void retranslate();
    void renderFolder();
    void fillLanguages();
    void fillEngines();
    void openLicense();

    SettingsStore& settings_;
    QLabel* languageLabel_;
    QComboBox* language_;
    QLabel* hint_;
    QLabel* folderLabel_;
    ElidedLabel* folderPath_;
    QPushButton* chooseFolder_;
    QPushButton* clearFolder_;
    QLabel* engineLabel_;
    QComboBox* engine_;
    QLabel* jobsLabel_;
    QSpinBox* jobs_;
    QLabel* copyLimitLabel_;
    QSpinBox* copyLimit_;
    QLabel* copyKeepLabel_;
    QSpinBox* copyKeep_;
    QLabel* summary_;
    QPushButton* license_;
    QLabel* website_;
};
