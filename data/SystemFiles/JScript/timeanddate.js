<!-- Start Of Date & Time Script -->
<SCRIPT LANGUAGE="JavaScript">
<!--
// Shows today's date and the time where this script stands in the page,
// in the visitor's own language, and keeps the time up to date.
(function () {
    var here = document.currentScript;
    var display = document.createElement("span");
    display.className = "date-and-time";

    function show() {
        var now = new Date();
        display.textContent = now.toLocaleDateString(undefined,
                { weekday: "long", day: "numeric", month: "long", year: "numeric" })
            + ", " + now.toLocaleTimeString(undefined, { hour: "2-digit", minute: "2-digit" });
    }

    function place() {
        if (here && here.parentNode && document.body && document.body.contains(here)) {
            here.parentNode.insertBefore(display, here);
        } else {
            document.body.appendChild(display);
        }
    }

    show();
    if (document.body) {
        place();
    } else {
        document.addEventListener("DOMContentLoaded", place);
    }
    window.setInterval(show, 1000);
})();
// -->
</SCRIPT>
<!-- End of Date & Time Script -->
