<!-- Start Of Dialog Message Script -->
<SCRIPT LANGUAGE="JavaScript">
<!--
// Shows the message in a dialog box once the page has loaded.
(function () {
    var message = "";
    if (message) {
        window.addEventListener("load", function () {
            window.alert(message);
        });
    }
})();
// -->
</SCRIPT>
<!-- End of Dialog Message Script -->
