import QtQuick 2.15
import Component.UiConfig 1.0

// Interface values from a configuration file beside the program. A screen asks for a
// value with getProperty(group, key, findType); the binding that asked follows the
// value's holder, so a reload (with "--uireload") restyles the screen while it runs.
Item {
    id: uiConfigDefault

    property string strFileName: "Simplified_Chinese.tr"
    property string pngFilderName: "image"
    // Key text (group + key) to its value holder.
    property var propertyMap: ({})

    function pictureOrValue(value, findType) {
        if (findType === 1 && value !== undefined && String(value).indexOf("file:") !== 0)
            return uiConfig.pictureUrl(value)
        return value
    }

    function updateValue(qstrKey, varValue) {
        var holder = propertyMap[qstrKey]
        if (holder)
            holder.valueProperty = pictureOrValue(varValue, holder.varFindType)
    }

    function getProperty(mainKey, secondKey, findType) {
        var key = mainKey + secondKey
        var holder = propertyMap[key]
        if (!holder) {
            holder = holderComponent.createObject(uiConfigDefault, {
                "mainKey": mainKey,
                "secondKey": secondKey,
                "varFindType": findType,
                "valueProperty": pictureOrValue(uiConfig.getUiData(mainKey, secondKey), findType)
            })
            propertyMap[key] = holder
        }
        var value = holder.valueProperty
        if (value === undefined || value === null)
            return undefined
        if (typeof value !== "boolean" && String(value).trim() !== "" && !isNaN(Number(value)))
            return Number(value)
        return value
    }

    Component {
        id: holderComponent
        QtObject {
            property string mainKey
            property string secondKey
            property var valueProperty
            property int varFindType: 0
        }
    }

    UiConfig {
        id: uiConfig
        fileName: uiConfigDefault.strFileName
        filderName: uiConfigDefault.pngFilderName
        onCplusSignalTimer: nValue === 1 ? reloadTimer.start() : reloadTimer.stop()
        onCplusSignalUpdateData: uiConfigDefault.updateValue(qstrKey, varValue)
    }

    Timer {
        id: reloadTimer
        interval: 1000
        repeat: true
        onTriggered: uiConfig.loadUiConfig()
    }

    Component.onCompleted: uiConfig.initConfig()
}
