<!-- Start Of Status Bar Clock Script -->
<SCRIPT LANGUAGE="JavaScript">
<!--
// A clock in the status bar: browsers that still let a page write their
// status bar show it there; every browser shows it in a thin bar along the
// bottom edge of the window.
(function () {
    var bar = document.createElement("div");
    bar.setAttribute("role", "timer");
    bar.style.cssText = "position: fixed; left: 0; right: 0; bottom: 0; z-index: 2147483647;"
        + " padding: 2px 8px; text-align: right; font: 12px sans-serif;"
        + " color: #000000; background: #F0F0F0; border-top: 1px solid #C0C0C0;";

    function tick() {
        var time = new Date().toLocaleTimeString();
        bar.textContent = time;
        window.status = time;
    }

    function start() {
        document.body.appendChild(bar);
        tick();
        window.setInterval(tick, 1000);
    }

    if (document.body) {
        start();
    } else {
        document.addEventListener("DOMContentLoaded", start);
    }
})();
// -->
</SCRIPT>
<!-- End of Status Bar Clock Script -->
