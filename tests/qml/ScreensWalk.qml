import QtQuick 2.15
import QtTest 1.15
import Language.Param 1.0
import Proxy.Param 1.0

// Walks the real root window in each language of `codes`, twice: with the language saved
// before start-up is done (message 100), and after a live switch from the next language of
// the list. Each row starts with no translator but its own. Each time it opens the sign-in
// window, every side-bar page with a few rows in each of its lists, every popup of the main
// screen as its control opens it, and every popup opened by windowInit, and reads every
// visible text and placeholder once the layout has settled. A text is wrong when it is a
// source text this language does not translate (untranslated), another language's text (left
// over: the previous language is named first), or a text of the screens that is elided, runs
// past the box that bounds it on screen, comes nearer a filled button's side than the kit's
// padding, runs into another text, or is drawn smaller than it asks beside a larger
// neighbour or off its baseline; a control is wrong when it stands past the row or column
// that lays it out; a page notice is wrong when it covers a field. Every popup that main.qml
// or the main screen declares must have been opened, and every list read must have shown
// rows. The tst_Screens* files name the languages and the native stand-ins; the proxy store
// and the catalogue are the real ones.
TestCase {
    id: walk

    property var codes: []
    property var root: null
    property var faults: []
    property string strCode: ""
    property string strPrevious: ""
    // What the walk opened in this row, and the lists it saw rows of.
    property var opened: []
    property var listsWithRows: []
    // What one step of the walk read: every text and placeholder shown as { item, where, text,
    // measured }, the measured ones among them, notices, fields and controls.
    property var seen: ({ shown: [], texts: [], notices: [], fields: [], controls: [] })

    // The room the kit's buttons keep on each side of their text (HoverButton's nLeftPadding).
    readonly property real nKitPadding: 12
    // A step's layout settles within this many frames, each drawn within the bound.
    readonly property int nSettleFrames: 20
    readonly property int nFrameBoundMs: 2000

    readonly property var sideEntries: [1, 10, 2, 3, 4, 5, 11, 6]
    // The lists whose rows the walk reads (a view, or the table holding it).
    readonly property var rowLists: ["proxyListView1", "proxyListView10", "proxyListView2", "proxyListView3",
                                     "deviceList", "equipmentLineList", "equipmentLineHistory",
                                     "apiHistoryList", "programHistoryList", "apiParameterGrid", "forwardPortView"]
    // What windowInit is given: the update prompt's panels, the device line popup's plans.
    readonly property var initValues: ({ "popupUpdate": [1, 2, 3, 4, 5], "popupEquipmentLine": [1, 3, 100] })
    // What opens the main screen's popups, on the page they belong to: a click on a control, a
    // right click on a list's first row, or the call a control makes. A row for each panel.
    readonly property var screenOpeners: [
        [4, function () { click(named("apiHistoryLink")) }],
        [5, function () { click(named("programHistoryLink")) }],
        [5, function () { click(firstRow("programGrid"), Qt.RightButton) }],
        [1, function () { click(firstRow("proxyListView1"), Qt.RightButton) }],
        [2, function () { click(firstRow("proxyListView2"), Qt.RightButton) }],
        [3, function () { click(findChild(firstRow("proxyListView3"), "remarkPen")) }],
        [1, function () { click(named("cdkButton")) }],
        [1, function () { click(named("userInfoBtn")) }],
        [1, function () { named("rect_MActivity").open() }],
        [1, function () { named("popupBindPortId").setBindInfo(1, 1) }],
        [1, function () { named("popupBindPortId").setBindInfo(1, 2) }],
        [1, function () { named("popupBindBrowserWndId").showFor(ProxyManager.getDataType(4)[0].qstrPort) }],
        [1, function () { named("popupCustom").signal_SetUiData(100, firstRange(), 1) }],
        [1, function () {
            named("popupCustom").signal_SetUiData(100, firstRange(), 1)
            named("popupCustom").signal_SetUiData(100, "", 3)
        }],
        [11, function () { named("popupBatchDisconnect").signal_SetUiData(100, "", 1) }],
        [11, function () { named("popupBatchDisconnect").signal_SetUiData(100, "", 2) }],
        [11, function () { named("remarkPopup").signal_SetUiData(200, "", 1) }]
    ]

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
        opened = []
        listsWithRows = []
        translations.uninstallTranslators()
        start(data.start)
        if (strPrevious !== "")
            LanguageManager.changeLanguage(strCode)
        walkSignIn()
        sideEntries.forEach(walkPage)
        screenOpeners.forEach(walkScreenPopup)
        // Signed out, the popups ask the service for nothing.
        named("globleParam").nIsLogin = 0
        popupsIn(root, []).forEach(function (popup) {
            (initValues[popup.objectName] || [0]).forEach(function (n) { walkPopup(popup, n) })
        })
        checkEveryPopupOpened()
        rowLists.forEach(function (name) {
            if (listsWithRows.indexOf(name) < 0)
                faults.push(strCode + ": the walk saw no row of " + name)
        })
        root.destroy()
        root = null
        faults.forEach(function (line) { console.log(line) })
        compare(faults.length, 0, "wrong texts, listed above")
    }

    function named(strName) { return findChild(root, strName) }

    function start(strStartCode) {
        var component = Qt.createComponent(Qt.resolvedUrl("../../src/qml/main.qml"))
        compare(component.status, Component.Ready, component.errorString())
        root = component.createObject(null)
        var globals = named("globleParam")
        globals.qstrLangCode = strStartCode
        named("curlRecv").signal_SetUiData(100, "", 0)
        // Popups and the start screen are built after the first frame.
        tryVerify(function () { var main = named("loaderMain"); return main && main.item })
        globals.nRunMode = 1
        globals.nEquipmentState = 1
        globals.nIsLogin = 1
        // Binding to the outside browser is on, and it has windows to offer.
        globals.bBrowserBindOpen = true
        named("curlRecv").signal_SetUiData(143, JSON.stringify([{ id: "w1", seq: 1, name: "Shop" },
                                                                 { id: "w2", seq: 2, name: "" }]), 0)
    }

    // A few rows in every list, made anew in the language shown, as the service's answers,
    // the engine and the database leave them. Plans and places differ from row to row.
    function fillLists() {
        ;[1, 10, 12, 2, 3, 8, 9, 11, 13].forEach(function (n) { ProxyManager.clearDataByType(n) })
        var places = [["US", "NY", "Albany"], ["DE", "BE", "Spandau"], ["VN", "SG", "Thu Duc"]]
        var lines = places.map(function (place, i) {
            return { ip: "10.9.0." + (i + 1), country: place[0], state: place[1], city: place[2],
                     postal: "1000" + i, isp: "isp" + i, sn: "sn-" + i, expire_time: 1767200000 + i }
        })
        ;[[1, "beginRarseProxyListData"], [10, "beginRarseStaticProxyListData"],
          [12, "beginRarseEquipmentLineListData"]].forEach(function (list) {
            proxyFixture.storeLineList(JSON.stringify(lines), list[0])
            ProxyManager[list[1]]()
        })
        ;[1, 3, 6, 11].forEach(function (nPlan, i) {
            var line = JSON.parse(JSON.stringify(lines[i % lines.length]))
            line.ip = "10.9.1." + (i + 1)
            line.ip_time_type = String(nPlan)
            line.port = String(named("globleParam").nBeginPort + i)
            ProxyManager.parseApiRecv(JSON.stringify({ code: 1, data: line }))
        })
        ProxyManager.beginParseApiTodayListData()
        ProxyManager.getDataType(2, 0).slice(0, 2).forEach(function (row) {
            ProxyManager.setFavoriteByParam(row.qstrSession, 2, true)
        })
        proxyFixture.storeLineList(JSON.stringify(places.map(function (place, i) {
            return { device_sn: "DEV-" + i, name: "Device " + i, out_ip: "203.0.113." + i,
                     country_code: place[0], online_status: i % 2, proxy_status: 1,
                     last_login_time: 1767200000, pc_extra: JSON.stringify({ meal_type: [1, 3, 6][i] }) }
        })), 11)
        var service = named("curlRecv")
        service.signal_SetUiData(173, "device list", 11)
        var history = places.map(function (place, i) {
            return { ip: "10.9.2." + (i + 1), country: place[0], state: place[1], city: place[2] }
        })
        proxyFixture.storeHistory(history, 9)
        ProxyManager.beginRarseLocalProgramHistoryData()
        proxyFixture.storeHistory(history, 13)
        service.signal_SetUiData(185, "line history", 13)
        ProxyManager.addProgram(proxyFixture.writeFile("tools/run.sh", true), "run.sh")
    }

    function walkSignIn() {
        var login = named("windowLoginID")
        root.showLogin()
        tryCompare(login, "visible", true)
        walkStep(login.contentItem, "sign-in")
        opened.push(login)
        login.close()
    }

    function walkPage(nNumber) {
        var frame = named("loaderMain").item
        frame.checkEntry(nNumber)
        compare(frame.nShowPage, nNumber)
        // The page asked for its list (group control empties its own first); here it comes.
        fillLists()
        // A request's result, as the page shows it.
        named("curlRecv").signal_SetUiData(50, "", 1)
        walkStep(root.contentItem, "page " + nNumber)
    }

    // The popups the main screen declares.
    function screenPopups() {
        var frame = named("loaderMain").item
        var popups = []
        for (var i = 0; i < frame.data.length; ++i)
            if (frame.data[i].opened !== undefined && frame.data[i].closePolicy !== undefined)
                popups.push(frame.data[i])
        return popups
    }

    function popupName(popup) { return popup.objectName || String(popup).split(/_QML|\(/)[0] }

    function firstRange() { return ProxyManager.refreshPortList()[0].qstrShow }

    // A click where a user makes it, once the control stands still.
    function click(item, nButton) {
        settle(function () { return geometryOf([item]) })
        mouseClick(item, Math.min(20, item.width / 2), item.height / 2, nButton)
    }

    // The first row of a list, where a user opens its row menu (a grid's last cell adds one).
    function firstRow(strList) {
        var view = named(strList)
        view.forceLayout()
        var row = view.itemAtIndex(0)
        verify(row && row.bAdd !== true, strList + " shows no row")
        return row
    }

    // Opens a popup of the main screen on its page, as opener says, and walks the window with
    // it and with any side popup it brought.
    function walkScreenPopup(opener) {
        var frame = named("loaderMain").item
        frame.checkEntry(opener[0])
        opener[1]()
        var shown = []
        tryVerify(function () {
            shown = screenPopups().filter(function (popup) { return popup.opened })
            return shown.length > 0
        }, 5000, "a popup of page " + opener[0] + " opens")
        walkStep(root.overlay, shown.map(popupName).join(" and ") + " of page " + opener[0])
        shown.forEach(function (popup) {
            opened.push(popup)
            popup.close()
            tryCompare(popup, "visible", false)
        })
    }

    // Every popup opened by windowInit, on the root window, its popup loaders and its pages.
    function popupsIn(object, found) {
        var children = []
        for (var i = 0; object.data && i < object.data.length; ++i)
            children.push(object.data[i])
        // A loader's popup is its item, not one of its children.
        if (object.sourceComponent !== undefined && object.item && children.indexOf(object.item) < 0)
            children.push(object.item)
        children.forEach(function (child) {
            if (typeof child.windowInit === "function" && child.opened !== undefined)
                found.push(child)
            else
                popupsIn(child, found)
        })
        return found
    }

    function walkPopup(popup, nValue) {
        popup.windowInit(nValue)
        tryCompare(popup, "opened", true)
        walkStep(root.overlay, popupName(popup) + " " + nValue)
        opened.push(popup)
        popup.close()
        tryCompare(popup, "visible", false)
    }

    // So that a popup added to main.qml or to the main screen cannot be left out of the walk.
    function checkEveryPopupOpened() {
        var loaders = named("popupLoaders").children
        verify(loaders.length > 0, "main.qml declares no popup loaders")
        for (var i = 0; i < loaders.length; ++i) {
            var popup = loaders[i].item
            if (opened.indexOf(popup) < 0)
                faults.push(strCode + ": the popup " + (popup ? popupName(popup) : "of loader " + i)
                            + " of main.qml was never opened")
        }
        screenPopups().forEach(function (popup) {
            if (opened.indexOf(popup) < 0)
                faults.push(strCode + ": the popup " + popupName(popup) + " of the main screen was never opened")
        })
    }

    // Waits for a frame drawn after the change and then until what signature() reads stands
    // where the frame before left it: read any earlier, a row not laid out yet has every cell
    // at x = 0. False when it still moved after nSettleFrames frames.
    function settle(signature) {
        var strBefore = null
        for (var n = 0; n < nSettleFrames; ++n) {
            root.update()
            waitForRendering(root.contentItem, nFrameBoundMs)
            var strNow = signature()
            if (strNow === strBefore)
                return true
            strBefore = strNow
        }
        return false
    }

    // Where the items stand and how their texts are drawn, in window coordinates.
    function geometryOf(items) {
        return items.map(function (item) {
            var p = item.mapToItem(null, 0, 0)
            return [p.x, p.y, item.width, item.height, item.paintedWidth, item.fontInfo ? item.fontInfo.pixelSize : 0]
                   .map(function (n) { return n === undefined ? "" : Math.round(n * 100) }).join(",")
        }).join(";")
    }

    function walkStep(item, strWhere) {
        var bSettled = settle(function () {
            seen = { shown: [], texts: [], notices: [], fields: [], controls: [] }
            walkItem(item, strWhere)
            return geometryOf(seen.shown.map(function (entry) { return entry.item }).concat(seen.controls))
        })
        if (!bSettled)
            faults.push(rowName() + ", " + strWhere + ": the layout still moved after " + nSettleFrames + " frames")
        seen.shown.forEach(checkText)
        checkShrunk()
        checkOverlaps()
        checkNotices(strWhere)
        checkForms(strWhere)
    }

    function walkItem(item, strWhere) {
        if (!item || !item.visible || item.opacity === 0)
            return
        // A window that has not drawn since the texts changed has not laid out its rows.
        if (typeof item.forceLayout === "function")
            item.forceLayout()
        if (typeof item.placeholderText === "string" && item.text === "")
            seen.shown.push({ item: item, where: strWhere, text: item.placeholderText, measured: false })
        if (item.truncated !== undefined && typeof item.text === "string")
            seen.shown.push({ item: item, where: strWhere, text: item.text, measured: true })
        if (item.bSuccess !== undefined && typeof item.show === "function")
            seen.notices.push(item)
        if (item.cursorPosition !== undefined)
            seen.fields.push(item)
        if (item.background !== undefined && (item.contentItem !== undefined || item.cursorPosition !== undefined))
            seen.controls.push(item)
        if (item.count > 0 && item.model !== undefined)
            listsWithRows.push(item.objectName, item.parent ? item.parent.objectName : "")
        for (var i = 0; i < item.children.length; ++i)
            walkItem(item.children[i], strWhere)
    }

    function rowName() { return strCode + (strPrevious ? " after " + strPrevious : "") }

    function fault(item, strWhere, strText, strWhat) {
        var names = []
        for (var p = item; p && names.length < 3; p = p.parent)
            if (p.objectName)
                names.unshift(p.objectName)
        var line = rowName() + ", " + strWhere + ", " + names.join("/") + ": \"" + strText + "\" " + strWhat
        if (faults.indexOf(line) < 0)
            faults.push(line)
    }

    function checkText(entry) {
        var item = entry.item
        var strText = entry.text
        if (strText === "")
            return
        var strFault = translations.fault(strText, strCode, strPrevious)
        if (strFault !== "")
            fault(item, entry.where, strText, strFault)
        if (!entry.measured || !translations.isUiText(strText, strCode) || clippedAway(item))
            return
        seen.texts.push(entry)
        var box = boxOf(item)
        var span = paintedSpan(item)
        if (item.truncated)
            fault(item, entry.where, strText, "elided")
        else if (item.elide === Text.ElideNone && item.wrapMode === Text.NoWrap
                 && item.paintedWidth > item.width + 1)
            fault(item, entry.where, strText, "wider than its box (" + Math.round(item.paintedWidth)
                  + " > " + Math.round(item.width) + ")")
        else if (box && (span.left < sceneRect(box).left - 1 || span.right > sceneRect(box).right + 1))
            fault(item, entry.where, strText, "runs past " + boxName(box) + " (ink " + Math.round(span.left)
                  + ".." + Math.round(span.right) + ", box " + Math.round(sceneRect(box).left) + ".."
                  + Math.round(sceneRect(box).right) + ")")
        else if (box && sideGap(box, span) < buttonPadding(box) - 1)
            fault(item, entry.where, strText, "keeps " + sideGap(box, span).toFixed(1) + " px to its button's side, not "
                  + buttonPadding(box) + " (its padding)")
    }

    function painted(rect) {
        return rect !== null && rect.border !== undefined && rect.radius !== undefined
               && (rect.color.a > 0 || (rect.border.width > 0 && rect.border.color.a > 0))
    }

    // The nearest item that bounds the text on screen: one that clips, a control (a kit
    // button, a popup) or a painted rectangle (a cell, a panel). Rows and plain items sized to
    // their content bound nothing.
    function boxOf(item) {
        for (var p = item.parent; p; p = p.parent) {
            if (p.clip || (p.background !== undefined && p.contentItem !== undefined) || painted(p))
                return p
        }
        return null
    }

    // The padding a filled or framed button keeps on each side of its text: the kit's, unless
    // a kit button declares its own. Other boxes ask none.
    function buttonPadding(box) {
        if (box.highlighted === undefined || box.flat === undefined || !painted(box.background))
            return 0
        return (box.parent.nLeftPadding !== undefined ? box.parent.nLeftPadding : nKitPadding) * root.dp
    }

    // How far the text's ink stays from the nearer side of its box.
    function sideGap(box, span) {
        var area = sceneRect(box)
        return Math.min(span.left - area.left, area.right - span.right)
    }

    // A text scrolled out of a clipping view is not on screen.
    function clippedAway(item) {
        var area = sceneRect(item)
        for (var p = item.parent; p; p = p.parent) {
            var view = p.clip ? sceneRect(p) : null
            if (view && (area.bottom <= view.top || area.top >= view.bottom
                         || area.right <= view.left || area.left >= view.right))
                return true
        }
        return false
    }

    function boxName(box) {
        for (var p = box; p; p = p.parent)
            if (p.objectName)
                return "its box (in " + p.objectName + ")"
        return "its box"
    }

    function sceneRect(item) {
        var p = item.mapToItem(null, 0, 0)
        return { left: p.x, right: p.x + item.width, top: p.y, bottom: p.y + item.height }
    }

    // Where the text's ink lies across, in window coordinates.
    function paintedSpan(item) {
        var nLeft = item.leftPadding
        var nRight = item.width - item.rightPadding
        var nWidth = item.paintedWidth
        var nAlign = item.effectiveHorizontalAlignment
        var nX = nAlign === Text.AlignRight ? nRight - nWidth
               : nAlign === Text.AlignHCenter ? (nLeft + nRight - nWidth) / 2 : nLeft
        var p = item.mapToItem(null, nX, 0)
        return { left: p.x, right: p.x + nWidth }
    }

    // A text shrunk to fit (fontSizeMode) is drawn in a smaller font than it asks for.
    function drawnSmaller(item) { return item.fontInfo.pixelSize < item.font.pixelSize }

    function baseline(item) { return item.mapToItem(null, 0, item.baselineOffset).y }

    // The text nearest to entry on its line, and the one nearest in its column (an entry of a
    // list above or below it, starting where it starts).
    function neighbours(entry) {
        var span = paintedSpan(entry.item)
        var nBase = baseline(entry.item)
        var nLineGap = 200
        var nColumnGap = 4 * entry.item.font.pixelSize
        var found = { line: null, column: null }
        seen.texts.forEach(function (other) {
            if (other.item === entry.item)
                return
            var otherSpan = paintedSpan(other.item)
            var nOff = Math.abs(baseline(other.item) - nBase)
            var nGap = Math.max(otherSpan.left - span.right, span.left - otherSpan.right)
            if (nOff < other.item.font.pixelSize / 2 && nGap < nLineGap) {
                nLineGap = nGap
                found.line = other.item
            } else if (Math.abs(otherSpan.left - span.left) <= 1 && nOff < nColumnGap) {
                nColumnGap = nOff
                found.column = other.item
            }
        })
        return found
    }

    // A text drawn smaller than it asks for keeps the size of its neighbours on its line and in
    // its column, and the baseline of its neighbour on the line.
    function checkShrunk() {
        seen.texts.forEach(function (entry) {
            var item = entry.item
            if (!drawnSmaller(item))
                return
            var near = neighbours(entry)
            var larger = [near.line, near.column].filter(function (other) {
                return other && other.fontInfo.pixelSize > item.fontInfo.pixelSize
            })
            var nOff = near.line ? Math.abs(baseline(near.line) - baseline(item)) : 0
            if (larger.length > 0)
                fault(item, entry.where, item.text, "drawn smaller (" + item.fontInfo.pixelSize + " px) than \""
                      + larger[0].text + "\" beside it (" + larger[0].fontInfo.pixelSize + " px)")
            else if (nOff > 1)
                fault(item, entry.where, item.text, "drawn smaller " + Math.round(nOff)
                      + " px off its neighbour's baseline")
        })
    }

    // Two texts on one line never run into each other.
    function checkOverlaps() {
        seen.texts.forEach(function (entry, i) {
            var span = paintedSpan(entry.item)
            seen.texts.slice(i + 1).forEach(function (other) {
                var otherSpan = paintedSpan(other.item)
                if (Math.abs(baseline(other.item) - baseline(entry.item)) < entry.item.font.pixelSize / 2
                        && span.left < otherSpan.right - 1 && otherSpan.left < span.right - 1)
                    fault(entry.item, entry.where, entry.item.text, "runs into \"" + other.item.text + "\"")
            })
        })
    }

    // A page's notice hides no field.
    function checkNotices(strWhere) {
        seen.notices.forEach(function (notice) {
            var area = sceneRect(notice)
            seen.fields.forEach(function (field) {
                var box = sceneRect(field)
                if (field.width > 0 && box.left < area.right - 1 && area.left < box.right - 1
                        && box.top < area.bottom - 1 && area.top < box.bottom - 1)
                    fault(notice, strWhere, notice.text, "covers a field (" + boxName(field) + ")")
            })
        })
    }

    // A row, column, grid or flow; views have a model.
    function isPositioner(item) { return item.populate !== undefined && item.model === undefined }

    // A control stays inside every row or column that lays it out: one pushed past them stands
    // past the margin of its form.
    function checkForms(strWhere) {
        seen.controls.forEach(function (control) {
            var area = sceneRect(control)
            for (var p = control.parent; p; p = p.parent) {
                var form = sceneRect(p)
                if (isPositioner(p) && p.width > 0 && (area.left < form.left - 1 || area.right > form.right + 1)) {
                    fault(control, strWhere, textIn(control), "stands past its form (control "
                          + Math.round(area.left) + ".." + Math.round(area.right) + ", form "
                          + Math.round(form.left) + ".." + Math.round(form.right) + ")")
                    return
                }
            }
        })
    }

    // The first text a control shows, to name it by.
    function textIn(item) {
        if (typeof item.text === "string" && item.text !== "")
            return item.text
        for (var i = 0; i < item.children.length; ++i) {
            var strText = textIn(item.children[i])
            if (strText !== "")
                return strText
        }
        return ""
    }
}
