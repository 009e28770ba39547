#include "ReferenceCombos.h"

#include "BibleBookNames.h"
#include "ListOperations.h"
#include "clsBibleBook.h"
#include "clsPreacher.h"
#include "clsPublisher.h"
#include "clsState.h"
#include "clsType.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace {

template <typename Record, typename Text, typename Key>
void loadCombo(QComboBox *combo, Text text, Key key)
{
    Record record;
    const QSignalBlocker quiet(combo);
    combo->clear();
    if (record.OpenRecordset()) {
        do {
            AddItemWithData(combo, text(record), key(record));
        } while (record.MoveNext());
    }
    combo->setCurrentIndex(-1);
}

template <typename Record, typename SetKey, typename Name>
void showReference(QComboBox *combo, qint32 key, SetKey setKey, Name name)
{
    if (key == 0) {
        combo->setCurrentIndex(-1);
        return;
    }
    Record record;
    (record.*setKey)(key);
    if (record.Find()) {
        FindComboItem(combo, (record.*name)());
    } else {
        combo->setCurrentIndex(-1);
    }
}

} // namespace

void LoadPublisherCombo(QComboBox *combo)
{
    loadCombo<clsPublisher>(
        combo, [](const clsPublisher &r) { return r.Publisher(); },
        [](const clsPublisher &r) { return r.PublisherID(); });
}

void LoadBibleBookCombo(QComboBox *combo)
{
    loadCombo<clsBibleBook>(
        combo, [](const clsBibleBook &r) { return BibleBookNames::shown(r.BibleBook()); },
        [](const clsBibleBook &r) { return r.BibleBookID(); });
}

void LoadPreacherCombo(QComboBox *combo)
{
    loadCombo<clsPreacher>(
        combo,
        [](const clsPreacher &r) -> QString {
            return r.LastName() + QStringLiteral(", ") + r.FirstName();
        },
        [](const clsPreacher &r) { return r.PreacherID(); });
}

void LoadTypeCombo(QComboBox *combo)
{
    loadCombo<clsType>(
        combo, [](const clsType &r) { return r.TypeDesc(); },
        [](const clsType &r) { return r.TypeID(); });
}

void LoadStateCombo(QComboBox *combo)
{
    loadCombo<clsState>(
        combo, [](const clsState &r) { return r.StateCode(); },
        [](const clsState &r) { return r.StateID(); });
}

void ReloadCombo(QComboBox *combo, void (*load)(QComboBox *))
{
    const bool hadSelection = combo->currentIndex() >= 0;
    const qint32 key = SelectedKey(combo);
    load(combo);
    if (hadSelection) {
        const QSignalBlocker quiet(combo);
        combo->setCurrentIndex(combo->findData(QVariant(key)));
    }
}

void ShowPublisher(QComboBox *combo, qint32 key)
{
    showReference<clsPublisher>(
        combo, key, &clsPublisher::setPublisherID, &clsPublisher::Publisher);
}

void ShowBibleBook(QComboBox *combo, qint32 key)
{
    showReference<clsBibleBook>(
        combo, key, &clsBibleBook::setBibleBookID, &clsBibleBook::BibleBook);
}

void ShowPreacher(QComboBox *combo, qint32 key)
{
    showReference<clsPreacher>(combo, key, &clsPreacher::setPreacherID, &clsPreacher::LastName);
}

void ShowType(QComboBox *combo, qint32 key)
{
    showReference<clsType>(combo, key, &clsType::setTypeID, &clsType::TypeDesc);
}

void ShowState(QComboBox *combo, qint32 key)
{
    showReference<clsState>(combo, key, &clsState::setStateID, &clsState::StateCode);
}

qint32 SelectedKey(const QComboBox *combo)
{
    const int index = combo->currentIndex();
    return index < 0 ? 0 : ItemData(combo, index);
}
