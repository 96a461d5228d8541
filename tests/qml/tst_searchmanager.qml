import QtQuick 2.15
import QtTest 1.15
import Globle.Param 1.0
import Search.Param 1.0

TestCase {
    name: "SearchManager"

    GlobleParam {
        id: globleParam
    }

    function countryNames() {
        var names = []
        var entries = SearchManager.getDataByKeyAndType("", 1, 0)
        for (var i = 0; i < entries.length; ++i)
            names.push(entries[i].qstrName)
        return names
    }

    // Entries are borrowed: the garbage collector must not delete those QML dropped.
    function test_entriesSurviveGarbageCollection() {
        globleParam.nMealType = 1
        SearchManager.beginRarseAreaData(true)
        var kept = SearchManager.getDataByKeyAndType("", 1, 0)
        compare(countryNames(), ["United States", "France"])
        gc()
        wait(50)
        compare(kept[1].qstrName, "France")
        compare(countryNames(), ["United States", "France"])
    }

    // Every screen showing a whole level shares its one array; a search makes one of its own
    // and leaves the shared one whole.
    function test_wholeLevelShared() {
        globleParam.nMealType = 1
        SearchManager.beginRarseAreaData(true)
        var whole = SearchManager.getDataByKeyAndType("", 1, 0)
        verify(SearchManager.getDataByKeyAndType("", 1, 1) === whole)
        var found = SearchManager.getDataByKeyAndType("fra", 1, 0)
        verify(found !== whole)
        compare(found.length, 1)
        verify(found[0] === whole[1])
        compare(countryNames(), ["United States", "France"])
    }
}
