import QtQuick 2.15
import QtQuick.Dialogs 1.3
import Proxy.Param 1.0

// The program chooser: one existing file of any kind, starting in the home folder each
// time. The accepted address is handed on as a local path.
Item {
    id: chooser

    // The dialog, made at the first opening.
    readonly property alias dialog: dialogLoader.item

    signal fileChosen(string qstrPath)

    function open() {
        dialogLoader.active = true
        // Set once shown: the first showing would start in the working folder otherwise.
        dialogLoader.item.open()
        dialogLoader.item.folder = dialogLoader.item.shortcuts.home
    }

    // What an accepted choice does; the address may hold any character a path can.
    function accept(fileUrl) {
        fileChosen(ProxyManager.programPathOf(fileUrl))
    }

    Loader {
        id: dialogLoader
        active: false
        sourceComponent: FileDialog {
            title: qsTr("Select Program") + globleParam.emptyString
            nameFilters: [qsTr("All files (*)") + globleParam.emptyString]
            selectExisting: true
            selectMultiple: false
            selectFolder: false
            sidebarVisible: false
            onAccepted: chooser.accept(fileUrl)
        }
    }
}
