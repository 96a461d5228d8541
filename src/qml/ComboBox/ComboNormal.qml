import QtQuick 2.15

// A read-only choice among rows with the roles "name" and "value".
ComboBase {
    property var currentValue: undefined

    bReadOnly: true
    bClearable: false
    textRole: "name"
    editTextModel.text: defaultText
    onEntryChosen: {
        currentName = entry.name
        defaultText = entry.name
        currentValue = entry.value
    }
}
