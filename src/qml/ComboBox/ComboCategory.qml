import QtQuick 2.15
import "../Style"

// A read-only choice among rows with the roles "title" and "id".
ComboBase {
    bReadOnly: true
    bClearable: false
    textRole: "title"
    editTextModel.text: defaultText
    editTextModel.placeholderText: qsTr("Please select") + Theme.emptyString
    onEntryChosen: {
        currentName = entry.title
        defaultText = entry.title
        currentCode = entry.id
    }
    onCleared: defaultText = ""
}
