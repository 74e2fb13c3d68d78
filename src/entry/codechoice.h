#pragma once

#include "model/investigation.h"

#include <QObject>
#include <QString>

class QComboBox;

// One combo box standing for one header code of an option list (code -> text, in code order).
// The header dialogs and the header panel show and store every code through this class, so the
// three editors agree on it:
// - the box lists the texts in code order, without item data, after an optional leading item
//   ("keine Angabe");
// - a stored code shows as its own item; a code the list lacks, or an empty one, shows the
//   leading item, the first item or nothing, as the editor wants;
// - the code given back is the stored one while the user leaves the box as it was shown, so
//   codes the list does not know (or the second of two codes sharing a text) survive an editor
//   that was only looked at; once the user chooses, it is the first code in code order with the
//   chosen text, and empty for the leading item or no selection.
class CodeChoice : public QObject
{
    Q_OBJECT

public:
    // What a code without an item of its own shows (with a leading item, always that one).
    enum class Missing { NoSelection, FirstItem };

    // A child of the box: it lives as long as the box.
    CodeChoice(QComboBox *box, const OptionMap &options, const QString &leadingItem = QString());

    // Replaces the items by the leading item and the texts of the list.
    void fill();
    // The same with another list (the panel rebinds to another inspection).
    void fill(const OptionMap &options);

    // Selects the item of the stored code and remembers the code as the box's starting point.
    void show(const QString &code, Missing missing = Missing::NoSelection);

    // The code to store: see the class comment.
    QString code() const;
    // The code of what the box shows now, whatever was stored: the first code in code order with
    // the selected text; empty for the leading item and for no selection.
    QString selectedCode() const;
    // Whether the user chose an item since show() (choosing the shown item again counts).
    bool isChanged() const;

    // The first code in code order whose text is the given one; empty when none has it.
    static QString codeOf(const OptionMap &options, const QString &text);

private:
    int leadingCount() const { return m_leadingItem.isEmpty() ? 0 : 1; }

    QComboBox *m_box;
    OptionMap m_options;
    QString m_leadingItem;
    QString m_shownCode;
    int m_shownIndex = -1;
    bool m_chosen = false;
};

// Whether a profile code names the circular profile (one size, the diameter) of the EN family or
// DanDas: "A" for EN 13508-2 and DanDas, "DN" for DWA-M 149-2, "0" or "4" for ISYBAU 2006.
// Other standards have no such code: false.
bool isCircularProfileCode(NormKind kind, const QString &code);
