import QtQuick 2.15
import Search.Param 1.0

// Location choices made through a page's five boxes (country first) as a person makes them:
// typed text and a click on the row of the open list, or a click on a box's clear icon.
// After each step: the boxes' texts, the rows some of them offer, and their codes. The
// catalogue's messages to the page (116-122, by its origin) reach it from `service` as the
// main screen routes them.
Item {
    property var service: null
    property Item page: null
    property int nOrigin: 0

    Connections {
        target: service
        function onSignal_SetUiData(nType, qstrValue, nValue) {
            if (nType >= 116 && nType <= 122 && nValue === nOrigin)
                page.signal_SetUiData(nType, qstrValue, nValue)
        }
    }

    readonly property var sequences: [
        { tag: "city, then a state of its country, then ISP, then the country cleared", steps: [
            { act: "pick", level: 3, typed: "San", name: "San Francisco",
              holds: ["United States", "California", "San Francisco", "", ""],
              codes: ["US", "CA", "SFO", "", ""],
              offers: { 2: ["California", "New York"], 3: ["Los Angeles", "San Francisco"],
                        4: ["Comcast", "AT&T"] } },
            { act: "pick", level: 2, typed: "New", name: "New York",
              holds: ["United States", "New York", "", "", ""], codes: ["US", "NY", "", "", ""],
              offers: { 3: ["New York City"] } },
            { act: "pick", level: 4, typed: "Com", name: "Comcast",
              holds: ["United States", "New York", "", "Comcast", ""],
              codes: ["US", "NY", "", "Comcast", ""], offers: {} },
            { act: "clear", level: 1, holds: ["", "", "", "", ""], codes: ["", "", "", "", ""],
              offers: { 2: ["California", "New York", "Île-de-France"] } }
        ] },
        { tag: "country, its city and ISP, then the state cleared", steps: [
            { act: "pick", level: 1, typed: "Fr", name: "France",
              holds: ["France", "", "", "", ""], codes: ["FR", "", "", "", ""],
              offers: { 2: ["Île-de-France"], 3: ["Paris"], 4: ["Orange"], 5: ["75001"] } },
            { act: "pick", level: 3, typed: "Par", name: "Paris",
              holds: ["France", "Île-de-France", "Paris", "", ""], codes: ["FR", "IDF", "PAR", "", ""],
              offers: { 2: ["Île-de-France"] } },
            { act: "pick", level: 4, typed: "Ora", name: "Orange",
              holds: ["France", "Île-de-France", "Paris", "Orange", ""],
              codes: ["FR", "IDF", "PAR", "Orange", ""], offers: {} },
            { act: "clear", level: 2, holds: ["France", "", "", "Orange", ""],
              codes: ["FR", "", "", "Orange", ""], offers: { 3: ["Paris"], 4: ["Orange"] } },
            { act: "clear", level: 1, holds: ["", "", "", "", ""], codes: ["", "", "", "", ""],
              offers: {} }
        ] }
    ]

    function names(model) {
        var result = []
        for (var i = 0; i < (model ? model.length : 0); ++i)
            result.push(model[i].qstrName)
        return result
    }

    function act(t, box, step) {
        if (step.act === "clear") {
            t.mouseClick(t.findChild(box, "comboClear"))
            return
        }
        t.mouseClick(box.editTextModel)
        t.keyClick(Qt.Key_A, Qt.ControlModifier)
        step.typed.split("").forEach(function (qstrKey) { t.keyClick(qstrKey) })
        var nRow = names(box.dataModel).indexOf(step.name)
        t.verify(nRow >= 0, step.name + " is offered")
        var rows = box.comboBoxModel.contentItem
        t.tryVerify(function () { return rows.itemAtIndex(nRow) !== null })
        t.mouseClick(rows.itemAtIndex(nRow))
    }

    function boxCodes(boxes) { return boxes.map(function (box) { return box.currentCode }) }

    // codes: function () giving what the page hands to its request (by default the boxes'
    // codes), called first after each step.
    function run(t, boxes, steps, codes) {
        steps.forEach(function (step, nStep) {
            var where = "step " + (nStep + 1) + ": "
            act(t, boxes[step.level - 1], step)
            var sent = codes ? codes() : boxCodes(boxes)
            t.compare(boxes.map(function (box) { return box.editTextModel.text }), step.holds, where + "texts")
            for (var nLevel in step.offers)
                t.compare(names(boxes[nLevel - 1].dataModel), step.offers[nLevel], where + "level " + nLevel)
            t.compare(sent, step.codes, where + "codes")
        })
    }

    // On a list page's location filter.
    function loadCatalogue() {
        SearchManager.beginRarseAreaData(true)
        page.signal_SetUiData(110, "", 0)
    }

    function runBar(t, steps) {
        loadCatalogue()
        run(t, ["country", "state", "city", "isp", "zip"].map(function (name) {
            return t.findChild(page, name + "Combo" + nOrigin)
        }), steps)
    }
}
