// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "ui/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace ui {

namespace {

QLocale::Language shownLanguage = QLocale::English;

// Owned by the application, so that none outlives it.
QPointer<QTranslator> ownTranslator;
QPointer<QTranslator> qtTranslator;

void removeInstalled() {
    for (QPointer<QTranslator> *translator : {&ownTranslator, &qtTranslator}) {
        if (*translator) {
            QCoreApplication::removeTranslator(*translator);
            delete translator->data();
        }
    }
    shownLanguage = QLocale::English;
}

// A translator holding `file` from `folder`, or null where there is none to read. QTranslator
// checks the file's magic number and structure as it loads, and refuses a file cut short.
QTranslator *loaded(const QString &file, const QString &folder) {
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(file, folder) && !translator->isEmpty())
        return translator;
    delete translator;
    return nullptr;
}

} // namespace

QLocale::Language installTranslation(const QLocale &locale, const QString &folder) {
    removeInstalled();
    for (const QString &name : locale.uiLanguages()) {
        const QLocale::Language language = QLocale(name).language();
        // "C" and a name Qt does not know mean no language in particular: the program's own.
        if (language == QLocale::English || language == QLocale::C ||
            language == QLocale::AnyLanguage)
            return QLocale::English;
        const QString code = QLocale::languageToCode(language);
        QTranslator *own = loaded(QStringLiteral("zendrel_") + code, folder);
        if (!own)
            continue;
        ownTranslator = own;
        QCoreApplication::installTranslator(own);
        // Qt's own texts (the message box's buttons, the edit boxes' context menus), where
        // the system has them; the program's texts stand without them.
        qtTranslator = loaded(QStringLiteral("qtbase_") + code,
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        if (qtTranslator)
            QCoreApplication::installTranslator(qtTranslator);
        shownLanguage = language;
        return language;
    }
    return QLocale::English;
}

std::optional<QLocale> translatedLocale() {
    if (shownLanguage == QLocale::English)
        return std::nullopt;
    return QLocale(shownLanguage);
}

} // namespace ui
