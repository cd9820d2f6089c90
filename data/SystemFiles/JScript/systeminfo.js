<!-- Start Of System Info Script -->
<SCRIPT LANGUAGE="JavaScript">
<!--
// Shows, where this script stands in the page, a table of what the
// visitor's browser tells about itself and the visitor's system.
(function () {
    var here = document.currentScript;
    var zone = "unknown";
    try {
        zone = Intl.DateTimeFormat().resolvedOptions().timeZone || zone;
    } catch (e) {
        // An old browser without time-zone names keeps "unknown".
    }
    var facts = [
        ["Browser", navigator.userAgent],
        ["Platform", navigator.platform || "unknown"],
        ["Language", navigator.language || "unknown"],
        ["Screen", screen.width + " x " + screen.height + " pixels, " + screen.colorDepth + "-bit colour"],
        ["Window", window.innerWidth + " x " + window.innerHeight + " pixels"],
        ["Processors", navigator.hardwareConcurrency ? String(navigator.hardwareConcurrency) : "unknown"],
        ["Time zone", zone],
        ["Cookies", navigator.cookieEnabled ? "enabled" : "disabled"],
        ["Connection", navigator.onLine ? "online" : "offline"]
    ];

    var table = document.createElement("table");
    table.className = "system-info";
    table.border = "1";
    table.cellPadding = "4";
    var caption = table.createCaption();
    caption.textContent = "Your System";
    for (var i = 0; i < facts.length; i += 1) {
        var row = table.insertRow(-1);
        var name = document.createElement("th");
        name.textContent = facts[i][0];
        name.style.textAlign = "left";
        row.appendChild(name);
        row.insertCell(-1).textContent = facts[i][1];
    }

    function place() {
        if (here && here.parentNode && document.body && document.body.contains(here)) {
            here.parentNode.insertBefore(table, here);
        } else {
            document.body.appendChild(table);
        }
    }

    if (document.body) {
        place();
    } else {
        document.addEventListener("DOMContentLoaded", place);
    }
})();
// -->
</SCRIPT>
<!-- End of System Info Script -->
