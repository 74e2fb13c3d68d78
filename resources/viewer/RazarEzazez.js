// Started from autorun.inf: opens the exported projects with the viewer on this medium.
var shell = new ActiveXObject("WScript.Shell");
var fso = new ActiveXObject("Scripting.FileSystemObject");
var root = fso.GetParentFolderName(WScript.ScriptFullName);
shell.CurrentDirectory = root + "\\Viewer";
shell.Run("\"" + root + "\\Viewer\\zozorure-viewer.sh\"", 1, false);
