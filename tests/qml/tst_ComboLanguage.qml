import QtQuick 2.15
import QtTest 1.15
import Globle.Param 1.0
import Language.Param 1.0
import "../../src/qml/ComboBox"
import "../../src/qml/Delegate"
import "helpers"

// The language list comes from the fixture Language.trs laid out beside this runner,
// next to the program's own .qm files.
TestCase {
    id: testCase
    name: "ComboLanguage"
    width: 300
    height: 400
    visible: true
    when: windowShown

    // What the root window offers its components.
    property real dp: 1
    FontLoader { id: openSans; name: "DejaVu Sans" }
    QtObject {
        id: curlRecv
        signal signal_SetUiData(int nType, string qstrValue, int nValue)
    }

    GlobleParam { id: globleParam }
    FocusProbe { id: probe }

    property string caption: qsTranslate("main", "Show") + globleParam.emptyString

    SignalSpy { id: uiSpy; target: curlRecv; signalName: "signal_SetUiData" }
    SignalSpy { id: languageSpy; target: globleParam; signalName: "languageChanged" }

    Component {
        id: comboComponent
        ComboLanguage { x: 10; y: 10; width: 160; height: 40 }
    }

    Component {
        id: parameterComponent
        ApiParameterModel {
            width: 600
            row: ({ nShowType: 0, nTranslateNum: 2, qstrName: "num", qstrRequired: "Yes" })
        }
    }

    function init() {
        LanguageManager.getLanguageList()
        LanguageManager.changeLanguage("_en")
        uiSpy.clear()
        languageSpy.clear()
    }

    function test_listFromTheLanguageFile() {
        var list = LanguageManager.getLanguageList()
        compare(list.length, 5)
        compare(list[1].qstrLanguageName, "Deutsch")
        compare(list[1].qstrFileName, "German")
        compare(list[1].qstrLanguageCode, "_de")
        compare(list[1].qstrFilePath, "qrc:/flag/German.png")
        compare(list[2].qstrLanguageName, "Français")
    }

    function test_switchRetranslatesBoundTexts() {
        compare(caption, "Show")
        LanguageManager.changeLanguage("_de")
        compare(caption, "Anzeigen")
        compare(globleParam.qstrLangCode, "_de")
        compare(LanguageManager.getCurrentLanguageShow(), "Deutsch")
        compare(LanguageManager.getCurrentLanguageImg(), "qrc:/flag/German.png")
        LanguageManager.changeLanguage("_fa")
        compare(caption, "Afficher")
        compare(languageSpy.count, 2)
    }

    // Misspelt source texts read correctly in English.
    function test_englishSpelling_data() {
        return [
            { tag: "Romove", context: "ProgramMenuPopup", source: "Romove", english: "Remove" },
            { tag: "bellow", context: "PopupFeedback",
              source: "Fill in the fields bellow and one of our support agents will personally get back to you very soon.",
              english: "Fill in the fields below and one of our support agents will personally get back to you very soon." },
            { tag: "Creat", context: "Login", source: "Creat an Account", english: "Create an Account" }
        ]
    }
    function test_englishSpelling(data) {
        compare(qsTranslate(data.context, data.source), data.english)
    }

    // The service's "Yes"/"No" in the extraction page's parameter table read in the language.
    function test_parameterTableWords() {
        LanguageManager.changeLanguage("_de")
        var cells = createTemporaryObject(parameterComponent, testCase)
        compare(cells.children[1].text, "Ja")
    }

    // The Forward List's row action and its status share the English "Free".
    function test_actionAndStatusApart_data() {
        return [
            { tag: "German", code: "_de", status: "Frei", action: "Freigeben" },
            { tag: "French", code: "_fa", status: "Libre", action: "Libérer" }
        ]
    }
    function test_actionAndStatusApart(data) {
        LanguageManager.changeLanguage(data.code)
        compare([qsTranslate("PortForwardList", "Free"), qsTranslate("PortForwardList", "Free", "action")],
                [data.status, data.action])
    }

    function test_unknownCodeOrMissingFileChangesNothing() {
        LanguageManager.changeLanguage("_de")
        languageSpy.clear()
        LanguageManager.changeLanguage("_xx")
        LanguageManager.changeLanguage("_DE")
        LanguageManager.changeLanguage("_tlh")
        compare(caption, "Anzeigen")
        compare(globleParam.qstrLangCode, "_de")
        compare(languageSpy.count, 0)
    }

    function test_choosingAnEntrySwitchesAndTellsTheWindow() {
        // The fixture's Klingon entry has no flag picture.
        ignoreWarning(new RegExp("Cannot open: qrc:/flag/Klingon.png"))
        var combo = createTemporaryObject(comboComponent, testCase)
        combo.comboBoxModel.model = LanguageManager.getLanguageList()
        combo.defaultText = LanguageManager.getCurrentLanguageShow()
        compare(combo.defaultText, "English")

        mouseClick(combo)
        var popup = combo.comboBoxModel.popup
        tryCompare(popup, "opened", true)
        compare(popup.height, 5 * 29 + 2)
        var grid = popup.contentItem
        var german = grid.itemAtIndex(1)
        verify(german !== null)
        mouseClick(german)

        tryCompare(popup, "visible", false)
        compare(combo.currentCode, "_de")
        compare(combo.currentName, "Deutsch")
        compare(combo.defaultText, "Deutsch")
        compare(globleParam.qstrLangCode, "_de")
        compare(caption, "Anzeigen")
        compare(uiSpy.count, 1)
        compare(uiSpy.signalArguments[0][0], 154)
        compare(uiSpy.signalArguments[0][1], "")
        compare(uiSpy.signalArguments[0][2], 0)
    }

    // Reached by Tab, the box is ringed; Space opens its list, Down lights the next entry
    // and Return chooses it.
    function test_byKeyboard() {
        ignoreWarning(new RegExp("Cannot open: qrc:/flag/Klingon.png"))
        var combo = createTemporaryObject(comboComponent, testCase)
        combo.comboBoxModel.model = LanguageManager.getLanguageList()
        keyClick(Qt.Key_Tab)
        verify(probe.ringShown(combo.comboBoxModel))
        keyClick(Qt.Key_Space)
        var popup = combo.comboBoxModel.popup
        tryCompare(popup, "opened", true)
        keyClick(Qt.Key_Down)
        var german = popup.contentItem.itemAtIndex(1)
        verify(german.highlighted)
        keyClick(Qt.Key_Return)
        tryCompare(popup, "visible", false)
        compare(globleParam.qstrLangCode, "_de")
    }
}
