<!-- Start Of Screen Fade Script -->
<SCRIPT LANGUAGE="JavaScript">
<!--
// Fades the page in from a black screen once it has loaded. Visitors who
// asked their system for less motion see the page at once.
(function () {
    if (window.matchMedia && window.matchMedia("(prefers-reduced-motion: reduce)").matches) {
        return;
    }
    var steps = 25;
    var step = 0;
    var timer = 0;
    var veil = document.createElement("div");
    veil.style.cssText = "position: fixed; top: 0; left: 0; width: 100%; height: 100%;"
        + " z-index: 2147483647; background: #000000; opacity: 1; pointer-events: none;";

    function fade() {
        step += 1;
        veil.style.opacity = String(1 - step / steps);
        if (step >= steps) {
            window.clearInterval(timer);
            if (veil.parentNode) {
                veil.parentNode.removeChild(veil);
            }
        }
    }

    function cover() {
        document.body.appendChild(veil);
    }

    if (document.body) {
        cover();
    } else {
        document.addEventListener("DOMContentLoaded", cover);
    }
    window.addEventListener("load", function () {
        timer = window.setInterval(fade, 40);
    });
})();
// -->
</SCRIPT>
<!-- End of Screen Fade Script -->
