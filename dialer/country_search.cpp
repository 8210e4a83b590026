// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "dialer/country_search.h"

#include <QAbstractItemView>
#include <QAbstractProxyModel>
#include <QComboBox>
#include <QCompleter>
#include <QCoreApplication>
#include <QHash>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>
#include <memory>

namespace dialer {

namespace {

// No offer has data in this role, so the completer never picks one on its own.
constexpr int kNoCompletionRole = Qt::UserRole + 1;

// What the last text typed found, as rows standing for the list's own items. A proxy of the
// list's model lets the list map a chosen offer back to its own position, even among equal
// texts.
class Offers : public QAbstractProxyModel {
public:
    Offers(QAbstractItemModel *items, const std::vector<FindableEntry> &entries, QObject *parent)
        : QAbstractProxyModel(parent), finder_(entries) {
        setSourceModel(items);
    }

    void offerFor(const QString &typed) {
        beginResetModel();
        offers_ = finder_.find(typed);
        labels_.clear();
        for (const Offer &offer : offers_) {
            const QString name =
                sourceModel()->index(static_cast<int>(offer.entry), 0).data().toString();
            //: An item that the typed text found by another name or a code, not by the name
            //: the list shows: %1 is that name, %2 what was found, as in "United Kingdom
            //: (+44)" or "United States of America (USA)".
            labels_ << (offer.matched.isEmpty()
                            ? name
                            : QCoreApplication::translate("CountrySearch", "%1 (%2)")
                                  .arg(name, offer.matched));
        }
        endResetModel();
    }

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override {
        return hasIndex(row, column, parent) ? createIndex(row, column) : QModelIndex();
    }
    QModelIndex parent(const QModelIndex &) const override { return {}; }
    int rowCount(const QModelIndex &parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(offers_.size());
    }
    int columnCount(const QModelIndex &parent = {}) const override {
        return parent.isValid() ? 0 : 1;
    }

    QModelIndex mapToSource(const QModelIndex &offer) const override {
        if (!offer.isValid())
            return {};
        return sourceModel()->index(static_cast<int>(at(offer).entry), 0);
    }
    QModelIndex mapFromSource(const QModelIndex &item) const override {
        for (std::size_t row = 0; row < offers_.size(); ++row)
            if (item.isValid() && offers_[row].entry == item.row())
                return index(static_cast<int>(row), 0);
        return {};
    }

    QVariant data(const QModelIndex &offer, int role) const override {
        if (!offer.isValid() || role == kNoCompletionRole)
            return {};
        if (role == Qt::DisplayRole)
            return labels_.value(offer.row());
        return QAbstractProxyModel::data(offer, role);
    }

private:
    const Offer &at(const QModelIndex &offer) const {
        return offers_[static_cast<std::size_t>(offer.row())];
    }

    CountryFinder finder_;
    std::vector<Offer> offers_;
    QStringList labels_;
};

class CountryCompleter : public QCompleter {
public:
    using QCompleter::QCompleter;

    // The field shows an item as the list writes it, not as it is offered.
    QString pathFromIndex(const QModelIndex &index) const override {
        return index.data(Qt::EditRole).toString();
    }
};

// Widens the popup to its widest offer, which may be wider than the list: "米領ヴァージン諸島
// (アメリカ領ヴァージン諸島)" should not lose what was found to an ellipsis. A text is measured
// once: most offers stay from one keystroke to the next, and measuring them all at every
// keystroke would take longer than finding them.
class PopupWidth {
public:
    void fit(QAbstractItemView *popup, const QAbstractItemModel &offers) {
        int widest = 0;
        for (int row = 0; row < offers.rowCount(); ++row) {
            const QString text = offers.index(row, 0).data().toString();
            auto width = widths_.constFind(text);
            if (width == widths_.constEnd())
                width = widths_.insert(text, popup->fontMetrics().horizontalAdvance(text));
            widest = std::max(widest, *width);
        }
        // The item's text margins, as the view's style draws them, and a pixel for rounding.
        const int margins = 2 * (popup->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1) +
                            1 + 2 * popup->frameWidth() +
                            popup->verticalScrollBar()->sizeHint().width();
        popup->setMinimumWidth(
            std::min(widest + margins, popup->screen()->availableGeometry().width()));
    }

private:
    QHash<QString, int> widths_;
};

} // namespace

void addCountrySearch(QComboBox *list, const std::vector<FindableEntry> &entries) {
    auto *completer = new CountryCompleter(list);
    auto *offers = new Offers(list->model(), entries, completer);
    completer->setModel(offers);
    // The offers are found and ordered already: the completer shows them all as they stand.
    completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer->setCompletionRole(kNoCompletionRole);
    completer->setModelSorting(QCompleter::UnsortedModel);
    list->setCompleter(completer);
    // The field emits textEdited before it asks its completer to show what it has, for keys
    // and for text an input method commits alike.
    QObject::connect(
        list->lineEdit(), &QLineEdit::textEdited, offers,
        [completer, offers, width = std::make_shared<PopupWidth>()](const QString &typed) {
            offers->offerFor(typed);
            width->fit(completer->popup(), *offers);
        });
}

} // namespace dialer
