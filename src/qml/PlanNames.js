.pragma library

// The service's plans by the number it gives them, named alike on every page.
var kSources = {
    1: QT_TRANSLATE_NOOP("PlanNames", "Popular Plan"),
    3: QT_TRANSLATE_NOOP("PlanNames", "Long Acting ISP Plan"),
    6: QT_TRANSLATE_NOOP("PlanNames", "Static ISP Proxy"),
    11: QT_TRANSLATE_NOOP("PlanNames", "Traffic Plan")
}

// The plan's name in the language shown; "" for a number no plan has.
function name(nPlan) {
    var source = kSources[nPlan]
    return source ? qsTranslate("PlanNames", source) : ""
}

// Every plan's name in the language shown.
function all() {
    return Object.keys(kSources).map(name)
}
