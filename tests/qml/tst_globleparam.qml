import QtQuick 2.15
import QtTest 1.15
import Globle.Param 1.0

TestCase {
    name: "GlobleParam"

    GlobleParam {
        id: globleParam
    }

    // A translated caption as the screens write it: re-evaluated on every language change.
    QtObject {
        id: caption
        // Mutated in place, so counting does not make the binding depend on itself.
        property var evaluations: ({ "count": 0 })
        property string text: counted(qsTr("Settings")) + globleParam.emptyString
        function counted(value) {
            evaluations.count += 1
            return value
        }
    }

    Component {
        id: freshParam
        GlobleParam {}
    }

    SignalSpy {
        id: beginPortSpy
        target: globleParam
        signalName: "nBeginPortChanged"
    }

    function test_startUpValues() {
        var param = createTemporaryObject(freshParam, this)
        verify(param !== null)
        compare(param.nBeginPort, 30000)
        compare(param.nPortNumber, 50)
        compare(param.nApiPort, 42333)
        compare(param.nMealStaticType, 6)
        compare(param.qstrCurrentVersion, "2.1.1")
        compare(param.qstrTrafficPlanUnit, "KB")
        compare(param.qstrInternalNetIP, "127.0.0.1")
        compare(param.bEnableGoogle, true)
        compare(param.emptyString, "")
        compare(param.jsonSideBarColumn.length, 0)
        verify(param.getCurrentFolderPath().length > 0)
        compare(param.checkFileExist(param.getCurrentFolderPath() + "/none"), false)
    }

    function test_assignments() {
        beginPortSpy.clear()
        globleParam.nBeginPort = 40000
        globleParam.nBeginPort = 40000
        compare(globleParam.nBeginPort, 40000)
        compare(beginPortSpy.count, 1)
        compare(beginPortSpy.signalArguments[0][0], 40000)

        globleParam.bAutoStartClient = true
        globleParam.qstrLocalIP = "192.0.2.7"
        globleParam.fTrafficPlanNums = 2.5
        compare(globleParam.bAutoStartClient, true)
        compare(globleParam.qstrLocalIP, "192.0.2.7")
        compare(globleParam.fTrafficPlanNums, 2.5)
    }

    function test_languageChangeReevaluatesTexts() {
        var before = caption.evaluations.count
        globleParam.qstrLangCode = "_de"
        compare(caption.evaluations.count, before)
        globleParam.languageChanged()
        compare(caption.evaluations.count, before + 1)
        compare(caption.text, "Settings")
        compare(globleParam.qstrLangCode, "_de")
    }
}
