import QtQuick 2.15
import QtTest 1.15
import Language.Param 1.0

// Walks the real root window in each language of `codes`, twice: with the language saved
// before start-up is done (message 100), and after a live switch from the next language of
// the list. Each time it opens the sign-in window, every side-bar page and every popup
// opened by windowInit, and reads every visible text and placeholder. A text is wrong when
// it is a source text this language translates (untranslated), another language's text
// (left over: the previous language is named first), or a text of the screens that is elided
// or runs past its box or its parent. The tst_Screens* files name the languages and the native stand-ins.
TestCase {
    id: walk

    property var codes: []
    property var root: null
    property var faults: []
    property string strCode: ""
    property string strPrevious: ""

    readonly property var sideEntries: [1, 10, 2, 3, 4, 5, 11, 6]
    // What windowInit is given: the update prompt's panels, the device line popup's plan.
    readonly property var initValues: ({ "popupUpdate": [1, 2, 3, 4, 5], "popupEquipmentLine": [1] })

    function test_screens_data() {
        var all = translations.codes()
        var rows = []
        codes.forEach(function (code) {
            var previous = all[(all.indexOf(code) + 1) % all.length]
            rows.push({ tag: code + " saved", code: code, start: code })
            rows.push({ tag: code + " after " + previous, code: code, start: previous })
        })
        return rows
    }

    function test_screens(data) {
        strCode = data.code
        strPrevious = data.start !== data.code ? data.start : ""
        faults = []
        start(data.start)
        if (strPrevious !== "")
            LanguageManager.changeLanguage(strCode)
        walkSignIn()
        sideEntries.forEach(walkPage)
        // Signed out, the popups ask the service for nothing.
        findChild(root, "globleParam").nIsLogin = 0
        popupsIn(root, []).forEach(function (popup) {
            (initValues[popup.objectName] || [0]).forEach(function (n) { walkPopup(popup, n) })
        })
        root.destroy()
        root = null
        faults.forEach(function (line) { console.log(line) })
        compare(faults.length, 0, "wrong texts, listed above")
    }

    function start(strStartCode) {
        var component = Qt.createComponent(Qt.resolvedUrl("../../src/qml/main.qml"))
        compare(component.status, Component.Ready, component.errorString())
        root = component.createObject(null)
        var globals = findChild(root, "globleParam")
        globals.qstrLangCode = strStartCode
        findChild(root, "curlRecv").signal_SetUiData(100, "", 0)
        // Popups and the start screen are built after the first frame.
        tryVerify(function () { var main = findChild(root, "loaderMain"); return main && main.item })
        globals.nRunMode = 1
        globals.nEquipmentState = 1
        globals.nIsLogin = 1
    }

    function walkSignIn() {
        var login = findChild(root, "windowLoginID")
        root.showLogin()
        tryCompare(login, "visible", true)
        wait(50)
        walkItem(login.contentItem, "sign-in")
        login.close()
    }

    function walkPage(nNumber) {
        var frame = findChild(root, "loaderMain").item
        frame.checkEntry(nNumber)
        compare(frame.nShowPage, nNumber)
        wait(50)
        walkItem(root.contentItem, "page " + nNumber)
    }

    // Every popup opened by windowInit, on the root window and its pages.
    function popupsIn(object, found) {
        var children = object.data || []
        for (var i = 0; i < children.length; ++i) {
            var child = children[i]
            if (typeof child.windowInit === "function" && child.opened !== undefined)
                found.push(child)
            else
                popupsIn(child, found)
        }
        return found
    }

    function walkPopup(popup, nValue) {
        popup.windowInit(nValue)
        tryCompare(popup, "opened", true)
        wait(50)
        walkItem(root.overlay, (popup.objectName || String(popup).split("(")[0]) + " " + nValue)
        popup.close()
        tryCompare(popup, "visible", false)
    }

    function walkItem(item, strWhere) {
        if (!item || !item.visible || item.opacity === 0)
            return
        // A window that has not drawn since the texts changed has not laid out its rows.
        if (typeof item.forceLayout === "function")
            item.forceLayout()
        if (typeof item.placeholderText === "string" && item.text === "")
            checkText(item, strWhere, item.placeholderText, false)
        if (item.truncated !== undefined && typeof item.text === "string")
            checkText(item, strWhere, item.text, true)
        for (var i = 0; i < item.children.length; ++i)
            walkItem(item.children[i], strWhere)
    }

    function fault(item, strWhere, strText, strWhat) {
        var names = []
        for (var p = item; p && names.length < 3; p = p.parent)
            if (p.objectName)
                names.unshift(p.objectName)
        var line = strCode + (strPrevious ? " after " + strPrevious : "") + ", " + strWhere + ", "
                   + names.join("/") + ": \"" + strText + "\" " + strWhat
        if (faults.indexOf(line) < 0)
            faults.push(line)
    }

    function checkText(item, strWhere, strText, bMeasured) {
        if (strText === "")
            return
        var strFault = translations.fault(strText, strCode, strPrevious)
        if (strFault !== "")
            fault(item, strWhere, strText, strFault)
        if (!bMeasured || !translations.isUiText(strText, strCode))
            return
        if (item.truncated)
            fault(item, strWhere, strText, "elided")
        else if (item.elide === Text.ElideNone && item.wrapMode === Text.NoWrap
                 && item.paintedWidth > item.width + 1)
            fault(item, strWhere, strText, "wider than its box (" + Math.round(item.paintedWidth)
                  + " > " + Math.round(item.width) + ")")
        else if (item.parent && item.parent.width > 0 && item.paintedWidth > item.parent.width + 1)
            fault(item, strWhere, strText, "wider than its parent (" + Math.round(item.paintedWidth)
                  + " > " + Math.round(item.parent.width) + ")")
    }
}
