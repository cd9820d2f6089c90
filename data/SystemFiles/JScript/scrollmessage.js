<!-- Start Of Scrolling Message Script -->
<SCRIPT LANGUAGE="JavaScript">
<!--
// Scrolls the message from right to left in a line where this script
// stands in the page, and in the status bar of browsers that still let a
// page write there.
(function () {
    var message = "";
    if (!message) {
        return;
    }
    var here = document.currentScript;
    var text = message + "          ";
    var position = 0;
    var line = document.createElement("div");
    line.className = "scrolling-message";
    line.setAttribute("aria-label", message);
    line.style.cssText = "overflow: hidden; white-space: pre; font-family: monospace;";

    function scroll() {
        var shown = text.substring(position) + text.substring(0, position);
        line.textContent = shown;
        window.status = shown;
        position = (position + 1) % text.length;
    }

    function place() {
        if (here && here.parentNode && document.body && document.body.contains(here)) {
            here.parentNode.insertBefore(line, here);
        } else {
            document.body.appendChild(line);
        }
        scroll();
        window.setInterval(scroll, 150);
    }

    if (document.body) {
        place();
    } else {
        document.addEventListener("DOMContentLoaded", place);
    }
})();
// -->
</SCRIPT>
<!-- End of Scrolling Message Script -->
