//@params ComboBoxCountry ComboBoxSearch ComboBoxApiCountry ComboBoxEquipmentCountry ComboBoxDeviceCountry ComboBoxDeviceStatus ComboBoxApiMeal
import QtQuick 2.15
import QtQuick.Window 2.15
import Globle.Param 1.0
import Search.Param 1.0

// One location box, named by the scene parameter, with its list open over a sample
// catalogue of countries.
Window {
    width: 420
    height: 330
    color: "#F4F6FB"

    QtObject {
        id: curlRecv
        signal signal_SetUiData(int nType, string qstrValue, int nValue)
    }
    GlobleParam {
        id: globleParam
        nMealType: 1
        nApiMealType: 1
    }

    // Each box's rows as its page gives them.
    readonly property var rowsOf: ({
        ComboBoxCountry: function () {
            SearchManager.beginRarseAreaData(true)
            return SearchManager.getDataByKeyAndType("", 1, 1)
        },
        ComboBoxSearch: function () {
            SearchManager.beginRarseAreaData(true)
            return SearchManager.getDataByKeyAndType("", 1, 10)
        },
        ComboBoxApiCountry: function () {
            SearchManager.beginParseApiAreaData(true)
            return SearchManager.getApiDataByKeyAndType("", 1, 4)
        },
        ComboBoxEquipmentCountry: function () {
            SearchManager.beginRarseEquipmentAreaData(1)
            return SearchManager.getEquipmentDataByKeyAndType("", 1, 0)
        },
        ComboBoxDeviceCountry: function () {
            SearchManager.beginRarseDeviceCountryData(1)
            return SearchManager.getDeviceDataByKeyAndType("", 1, 0)
        },
        ComboBoxDeviceStatus: function () {
            return [0, 1, 2].map(function (n) {
                return { qstrCode: String(n), qstrName: "", enumDataType: 8, nStatus: n }
            })
        },
        ComboBoxApiMeal: function () {
            return [1, 3, 6, 11].map(function (n) { return { nMealData: n } })
        }
    })

    // What the box's page sets on it, where that differs from the box's own defaults.
    readonly property var pageSets: ({
        ComboBoxEquipmentCountry: { defaultText: "US" },
        ComboBoxDeviceCountry: { defaultText: "US" },
        ComboBoxDeviceStatus: { textTitle: qsTranslate("RectEquipment", "Device Status"),
                                defaultText: qsTranslate("RectEquipment", "Online") },
        ComboBoxApiMeal: { defaultText: qsTranslate("RectAPISecond", "Popular Plan") }
    })

    Loader {
        id: loader
        active: false
        x: 40
        y: 30
        width: 300
        source: "qrc:/ComboBox/" + sceneParam + ".qml"
        onLoaded: {
            if ("service" in item)
                item.service = curlRecv
            if ("globals" in item)
                item.globals = globleParam
            var sets = pageSets[sceneParam] || {}
            for (var name in sets)
                item[name] = sets[name]
            item.dataModel = rowsOf[sceneParam]()
            item.comboBoxModel.open()
        }
    }

    Component.onCompleted: {
        sceneCatalogue.setAreas(JSON.stringify([
            { code: "US", name: "United States" }, { code: "BR", name: "Brasil" },
            { code: "FR", name: "France" }, { code: "DE", name: "Germany" },
            { code: "JP", name: "Japan" }, { code: "VN", name: "Việt Nam" },
            { code: "GB", name: "United Kingdom" }, { code: "CA", name: "Canada" },
            { code: "MX", name: "México" }]), 1)
        loader.active = true
    }
}
