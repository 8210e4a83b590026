// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "dialer/country_search.h"

#include <QComboBox>
#include <QCompleter>
#include <QIdentityProxyModel>

#include "dialer/search_key.h"

namespace dialer {

namespace {

constexpr int kSearchKeyRole = Qt::UserRole + 1;

// The list's own items, each also under its search key. A proxy of the list's model lets
// the list map a chosen completion back to its own position, even among equal texts.
class SearchKeys : public QIdentityProxyModel {
public:
    explicit SearchKeys(QObject *parent) : QIdentityProxyModel(parent) {
        // Every key typed runs through all the keys: fold each text once.
        const auto forget = [this] { keys_.clear(); };
        connect(this, &QAbstractItemModel::modelReset, this, forget);
        connect(this, &QAbstractItemModel::rowsInserted, this, forget);
        connect(this, &QAbstractItemModel::rowsRemoved, this, forget);
        connect(this, &QAbstractItemModel::dataChanged, this, forget);
    }

    QVariant data(const QModelIndex &index, int role) const override {
        if (role != kSearchKeyRole)
            return QIdentityProxyModel::data(index, role);
        if (keys_.isEmpty())
            for (int row = 0; row < rowCount(); ++row)
                keys_.append(searchKey(
                    QIdentityProxyModel::data(this->index(row, 0), Qt::DisplayRole).toString()));
        return keys_.value(index.row());
    }

private:
    mutable QStringList keys_;
};

class CountryCompleter : public QCompleter {
public:
    using QCompleter::QCompleter;

    // What was typed is compared in the same folded form as the items.
    QStringList splitPath(const QString &path) const override { return {searchKey(path)}; }
    // The field shows an item as it is written, not its search key.
    QString pathFromIndex(const QModelIndex &index) const override {
        return index.data(Qt::DisplayRole).toString();
    }
};

} // namespace

void addCountrySearch(QComboBox *list) {
    auto *completer = new CountryCompleter(list);
    auto *keys = new SearchKeys(completer);
    keys->setSourceModel(list->model());
    completer->setModel(keys);
    completer->setCompletionRole(kSearchKeyRole);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCaseSensitivity(Qt::CaseSensitive); // the keys are folded already
    completer->setModelSorting(QCompleter::UnsortedModel);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    list->setCompleter(completer);
}

} // namespace dialer
