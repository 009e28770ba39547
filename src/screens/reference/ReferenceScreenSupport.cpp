#include "ReferenceScreenSupport.h"

#include "SqlLiterals.h"
#include "frmMain.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTimer>
#include <QToolButton>

namespace {

// Selects a text box's whole text when it gains the focus. The selection is made once the
// focus change is over: a mouse click would otherwise put the cursor back where it landed.
class SelectOnEntryFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn) {
            QPointer<QWidget> box = qobject_cast<QWidget *>(watched);
            QTimer::singleShot(0, box, [box] {
                if (!box || !box->hasFocus()) {
                    return;
                }
                if (auto *line = qobject_cast<QLineEdit *>(box.data())) {
                    line->selectAll();
                } else if (auto *plain = qobject_cast<QPlainTextEdit *>(box.data())) {
                    plain->selectAll();
                }
            });
        }
        return QObject::eventFilter(watched, event);
    }
};

QString accessibleText(const QString &caption)
{
    QString text = caption;
    text.remove(QLatin1Char('&'));
    if (text.endsWith(QLatin1Char(':'))) {
        text.chop(1);
    }
    return text.trimmed();
}

QLabel *rowLabel(QFormLayout *form, const QString &labelName, const QString &caption)
{
    auto *label = new QLabel(caption, form->parentWidget());
    label->setObjectName(labelName);
    return label;
}

template <typename Field>
Field *addRow(
    QFormLayout *form, const QString &name, const QString &labelName, const QString &caption)
{
    auto *field = new Field(form->parentWidget());
    field->setObjectName(name);
    field->setAccessibleName(accessibleText(caption));
    QLabel *label = rowLabel(form, labelName, caption);
    label->setBuddy(field);
    form->addRow(label, field);
    return field;
}

} // namespace

void SelectTextOnEntry(QWidget *textBox)
{
    if (!textBox) {
        return;
    }
    textBox->installEventFilter(new SelectOnEntryFilter(textBox));
}

void SetMainItemsEnabled(const QStringList &names, bool enabled)
{
    frmMain *main = frmMain::instance();
    if (!main) {
        return;
    }
    for (const QString &name : names) {
        if (QAction *item = main->action(name)) {
            item->setEnabled(enabled);
        }
        if (QToolButton *button = main->toolButton(name)) {
            button->setEnabled(enabled);
        }
    }
}

qint32 KeyFromText(const QString &text)
{
    return NullToLong(QVariant(text));
}

bool ShowsKey(const QLabel *keyLabel)
{
    return keyLabel && !keyLabel->text().trimmed().isEmpty();
}

QLineEdit *AddTextRow(
    QFormLayout *form, const QString &name, const QString &labelName, const QString &caption)
{
    return addRow<QLineEdit>(form, name, labelName, caption);
}

QPlainTextEdit *AddNotesRow(
    QFormLayout *form, const QString &name, const QString &labelName, const QString &caption)
{
    auto *notes = addRow<QPlainTextEdit>(form, name, labelName, caption);
    // Tab moves on to the next field, as in the one-line boxes.
    notes->setTabChangesFocus(true);
    return notes;
}

QComboBox *AddComboRow(
    QFormLayout *form, const QString &name, const QString &labelName, const QString &caption)
{
    return addRow<QComboBox>(form, name, labelName, caption);
}

QLabel *AddKeyRow(
    QFormLayout *form, const QString &name, const QString &labelName, const QString &caption)
{
    auto *key = addRow<QLabel>(form, name, labelName, caption);
    // A screen reader reads the key shown; the caption only describes it.
    key->setAccessibleName(QString());
    key->setAccessibleDescription(accessibleText(caption));
    key->setFrameShape(QFrame::Panel);
    key->setFrameShadow(QFrame::Sunken);
    return key;
}

QString BoxText(const QWidget *textBox)
{
    if (const auto *line = qobject_cast<const QLineEdit *>(textBox)) {
        return line->text();
    }
    if (const auto *plain = qobject_cast<const QPlainTextEdit *>(textBox)) {
        return plain->toPlainText();
    }
    return {};
}

void SetBoxText(QWidget *textBox, const QString &text)
{
    if (auto *line = qobject_cast<QLineEdit *>(textBox)) {
        line->setText(text);
    } else if (auto *plain = qobject_cast<QPlainTextEdit *>(textBox)) {
        plain->setPlainText(text);
    }
}
