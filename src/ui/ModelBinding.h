#pragma once

#include <QObject>

#include <initializer_list>
#include <utility>

#include "model/AppModel.h"
#include "settings/SettingsStore.h"

// Runs `render` on `receiver` whenever one of `fields` changes; the connection ends with
// the receiver.
template <typename Receiver, typename Render>
void onFields(AppModel& model, Receiver* receiver, std::initializer_list<AppModel::Field> fields, Render render) {
    QList<AppModel::Field> watched(fields);
    QObject::connect(&model, &AppModel::fieldChanged, receiver,
                     [watched, render = std::move(render)](AppModel::Field field) {
                         if (watched.contains(field)) render();
                     });
}

// Runs `retranslate` on `receiver` whenever the interface language changes.
template <typename Receiver, typename Retranslate>
void onLanguageChange(SettingsStore& settings, Receiver* receiver, Retranslate retranslate) {
    QObject::connect(&settings, &SettingsStore::languageChoiceChanged, receiver,
                     [retranslate = std::move(retranslate)](const QString&) { retranslate(); });
}
