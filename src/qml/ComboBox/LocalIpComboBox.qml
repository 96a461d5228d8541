import QtQuick 2.15
import Search.Param 1.0

// The local address the ports listen on: choosing one writes it to
// `globals.qstrInternalNetIP` at once.
ComboBase {
    property var globals: null

    bReadOnly: true
    bClearable: false
    dataModel: SearchManager.getLocalIpData()
    defaultText: globals ? globals.qstrInternalNetIP : ""
    editTextModel.text: defaultText + ":random"
    onEntryChosen: {
        currentName = entry.qstrName
        defaultText = entry.qstrName
        globals.qstrInternalNetIP = entry.qstrName
    }
}
