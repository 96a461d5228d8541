import QtQuick 2.15
import QtTest 1.15
import Language.Param 1.0
import Proxy.Param 1.0

// Walks the real root window in each language of `codes`, twice: with the language saved
// before start-up is done (message 100), and after a live switch from the next language of
// the list. Each row starts with no translator but its own. Each time it opens the sign-in
// window, every side-bar page with a few rows in each of its lists, the pages' history popups
// and row menu, and every popup opened by windowInit, and reads every visible text and
// placeholder. A text is wrong when it is a source text this language does not translate
// (untranslated), another language's text (left over: the previous language is named first),
// or a text of the screens that is elided, runs past the box that bounds it on screen, runs
// into another text, or is drawn smaller off its neighbours' baseline; a page notice is wrong
// when it covers a field. Every popup that main.qml declares must have been opened, and every
// list read must have shown rows. The tst_Screens* files name the languages and the native
// stand-ins; the proxy store and the catalogue are the real ones.
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
    // What one step of the walk read: texts as { item, where }, notices and fields.
    property var seen: ({ texts: [], notices: [], fields: [] })

    readonly property var sideEntries: [1, 10, 2, 3, 4, 5, 11, 6]
    // The lists whose rows the walk reads (a view, or the table holding it).
    readonly property var rowLists: ["proxyListView1", "proxyListView10", "proxyListView2", "proxyListView3",
                                     "deviceList", "equipmentLineList", "equipmentLineHistory",
                                     "apiHistoryList", "programHistoryList", "apiParameterGrid", "forwardPortView"]
    // What windowInit is given: the update prompt's panels, the device line popup's plans.
    readonly property var initValues: ({ "popupUpdate": [1, 2, 3, 4, 5], "popupEquipmentLine": [1, 3, 100] })
    // What opens the pages' own popups: a click on a link, or a right click on a list row.
    readonly property var pageOpeners: [[4, "apiHistoryLink", "apiHistoryPopup"],
                                        [5, "programHistoryLink", "programHistoryPopup"],
                                        [1, "proxyListView1", "popupForwared"],
                                        [2, "proxyListView2", "popupForwared"]]

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
        pageOpeners.forEach(walkPageOpener)
        // Signed out, the popups ask the service for nothing.
        findChild(root, "globleParam").nIsLogin = 0
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
            line.port = String(findChild(root, "globleParam").nBeginPort + i)
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
        var service = findChild(root, "curlRecv")
        service.signal_SetUiData(173, "device list", 11)
        var history = places.map(function (place, i) {
            return { ip: "10.9.2." + (i + 1), country: place[0], state: place[1], city: place[2] }
        })
        proxyFixture.storeHistory(history, 9)
        ProxyManager.beginRarseLocalProgramHistoryData()
        proxyFixture.storeHistory(history, 13)
        service.signal_SetUiData(185, "line history", 13)
    }

    function walkSignIn() {
        var login = findChild(root, "windowLoginID")
        root.showLogin()
        tryCompare(login, "visible", true)
        wait(50)
        walkStep(login.contentItem, "sign-in")
        opened.push(login)
        login.close()
    }

    function walkPage(nNumber) {
        var frame = findChild(root, "loaderMain").item
        frame.checkEntry(nNumber)
        compare(frame.nShowPage, nNumber)
        // The page asked for its list (group control empties its own first); here it comes.
        fillLists()
        // A request's result, as the page shows it.
        findChild(root, "curlRecv").signal_SetUiData(50, "", 1)
        wait(50)
        walkStep(root.contentItem, "page " + nNumber)
    }

    // Opens a page's popup as a user does: a click on its link, or a right click on the
    // first row of the page's list.
    function walkPageOpener(opener) {
        var frame = findChild(root, "loaderMain").item
        frame.checkEntry(opener[0])
        wait(50)
        var target = findChild(frame, opener[1])
        var popup = findChild(frame, opener[2])
        if (typeof target.itemAtIndex === "function") {
            target.forceLayout()
            target = target.itemAtIndex(0)
            verify(target, opener[1] + " shows no row")
            mouseClick(target, 20, target.height / 2, Qt.RightButton)
        } else {
            mouseClick(target)
        }
        tryCompare(popup, "opened", true)
        wait(50)
        walkStep(root.overlay, opener[2] + " of page " + opener[0])
        popup.close()
        tryCompare(popup, "visible", false)
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
        wait(50)
        walkStep(root.overlay, (popup.objectName || String(popup).split("(")[0]) + " " + nValue)
        opened.push(popup)
        popup.close()
        tryCompare(popup, "visible", false)
    }

    // So that a popup added to main.qml cannot be left out of the walk.
    function checkEveryPopupOpened() {
        var loaders = findChild(root, "popupLoaders").children
        verify(loaders.length > 0, "main.qml declares no popup loaders")
        for (var i = 0; i < loaders.length; ++i) {
            var popup = loaders[i].item
            if (opened.indexOf(popup) < 0)
                faults.push(strCode + ": the popup " + (popup ? popup.objectName || String(popup) : "of loader " + i)
                            + " of main.qml was never opened")
        }
    }

    function walkStep(item, strWhere) {
        seen = { texts: [], notices: [], fields: [] }
        walkItem(item, strWhere)
        checkBaselines()
        checkOverlaps()
        checkNotices(strWhere)
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
        if (item.bSuccess !== undefined && typeof item.show === "function")
            seen.notices.push(item)
        if (item.cursorPosition !== undefined)
            seen.fields.push(item)
        if (item.count > 0 && item.model !== undefined)
            listsWithRows.push(item.objectName, item.parent ? item.parent.objectName : "")
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
        if (!bMeasured || !translations.isUiText(strText, strCode) || clippedAway(item))
            return
        seen.texts.push({ item: item, where: strWhere })
        var box = boxOf(item)
        var span = paintedSpan(item)
        if (item.truncated)
            fault(item, strWhere, strText, "elided")
        else if (item.elide === Text.ElideNone && item.wrapMode === Text.NoWrap
                 && item.paintedWidth > item.width + 1)
            fault(item, strWhere, strText, "wider than its box (" + Math.round(item.paintedWidth)
                  + " > " + Math.round(item.width) + ")")
        else if (box && (span.left < sceneRect(box).left - 1 || span.right > sceneRect(box).right + 1))
            fault(item, strWhere, strText, "runs past " + boxName(box) + " (ink " + Math.round(span.left)
                  + ".." + Math.round(span.right) + ", box " + Math.round(sceneRect(box).left) + ".."
                  + Math.round(sceneRect(box).right) + ")")
    }

    // The nearest item that bounds the text on screen: one that clips, a control (a kit
    // button, a popup) or a painted rectangle (a cell, a panel). Rows and plain items sized to
    // their content bound nothing.
    function boxOf(item) {
        for (var p = item.parent; p; p = p.parent) {
            if (p.clip || (p.background !== undefined && p.contentItem !== undefined))
                return p
            if (p.border !== undefined && p.radius !== undefined
                    && (p.color.a > 0 || (p.border.width > 0 && p.border.color.a > 0)))
                return p
        }
        return null
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
    function drawnSmaller(item) {
        return item.fontSizeMode !== Text.FixedSize
               && item.implicitWidth > item.width - item.leftPadding - item.rightPadding + 1
    }

    function baseline(item) { return item.mapToItem(null, 0, item.baselineOffset).y }

    // A text drawn smaller keeps the baseline of its nearest neighbour on the same line.
    function checkBaselines() {
        seen.texts.forEach(function (entry) {
            if (!drawnSmaller(entry.item))
                return
            var span = paintedSpan(entry.item)
            var nBase = baseline(entry.item)
            var nNearest = 200
            var nOff = 0
            seen.texts.forEach(function (other) {
                if (other.item === entry.item || drawnSmaller(other.item))
                    return
                var nOtherOff = baseline(other.item) - nBase
                var otherSpan = paintedSpan(other.item)
                var nGap = Math.max(otherSpan.left - span.right, span.left - otherSpan.right)
                if (Math.abs(nOtherOff) < other.item.font.pixelSize / 2 && nGap < nNearest) {
                    nNearest = nGap
                    nOff = nOtherOff
                }
            })
            if (Math.abs(nOff) > 1)
                fault(entry.item, entry.where, entry.item.text, "drawn smaller "
                      + Math.round(Math.abs(nOff)) + " px off its neighbour's baseline")
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
}
