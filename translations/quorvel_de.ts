<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AnalysisPanel</name>
    <message>
        <source>Show principal axes</source>
        <translation>Hauptachsen zeigen</translation>
    </message>
    <message>
        <source>S1 yellow, S2 magenta, S3 cyan</source>
        <translation>S1 gelb, S2 magenta, S3 cyan</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Draw Flow Path</source>
        <translation>Fließpfad zeichnen</translation>
    </message>
    <message>
        <source>Add the shapes that the flow makes from the slider&apos;s lowest time to its highest</source>
        <translation>Die Formen hinzufügen, die das Fließen von der kleinsten bis zur größten Zeit des Reglers erzeugt</translation>
    </message>
    <message>
        <source>Forget the paths: the animation slider&apos;s and the flows&apos;</source>
        <translation>Die Pfade vergessen: den des Animationsreglers und die der Fließbewegungen</translation>
    </message>
    <message>
        <source>Wk = %1</source>
        <translation>Wk = %1</translation>
    </message>
    <message>
        <source>Wk undefined</source>
        <translation>Wk nicht definiert</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Diagramm</translation>
    </message>
</context>
<context>
    <name>DeformationDialog</name>
    <message>
        <source>Deformation</source>
        <translation>Deformation</translation>
    </message>
    <message>
        <source>&amp;Deformation:</source>
        <translation>&amp;Deformation:</translation>
    </message>
    <message>
        <source>Strain and flow</source>
        <translation>Verformung und Fließen</translation>
    </message>
    <message>
        <source>Strain only</source>
        <translation>Nur Verformung</translation>
    </message>
    <message>
        <source>Flow only</source>
        <translation>Nur Fließen</translation>
    </message>
    <message>
        <source>The flow can be swept with the animation slider&apos;s Time</source>
        <translation>Das Fließen lässt sich mit „Zeit“ am Animationsregler durchlaufen</translation>
    </message>
    <message>
        <source>&amp;Apply to:</source>
        <translation>&amp;Anwenden auf:</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Every parameter must be a number.</source>
        <translation>Jeder Parameter muss eine Zahl sein.</translation>
    </message>
    <message>
        <source>The deformation is too large.</source>
        <translation>Die Deformation ist zu groß.</translation>
    </message>
    <message>
        <source>J = %1   Wk = %2   Flinn k = %3</source>
        <translation>J = %1   Wk = %2   Flinn k = %3</translation>
    </message>
    <message>
        <source>Apply %1</source>
        <translation>%1 anwenden</translation>
    </message>
    <message>
        <source>Shear direction trend°</source>
        <translation>Scherrichtung Azimut°</translation>
    </message>
    <message>
        <source>Shear direction plunge°</source>
        <translation>Scherrichtung Abtauchen°</translation>
    </message>
    <message>
        <source>Shear plane dip direction°</source>
        <translation>Scherfläche Fallrichtung°</translation>
    </message>
    <message>
        <source>Shear plane dip°</source>
        <translation>Scherfläche Fallwinkel°</translation>
    </message>
    <message>
        <source>Lineation (X) trend°</source>
        <translation>Lineation (X) Azimut°</translation>
    </message>
    <message>
        <source>Lineation (X) plunge°</source>
        <translation>Lineation (X) Abtauchen°</translation>
    </message>
    <message>
        <source>Foliation (XY) dip direction°</source>
        <translation>Foliation (XY) Fallrichtung°</translation>
    </message>
    <message>
        <source>Foliation (XY) dip°</source>
        <translation>Foliation (XY) Fallwinkel°</translation>
    </message>
    <message>
        <source>Volume ratio J</source>
        <translation>Volumenverhältnis J</translation>
    </message>
    <message>
        <source>Time t</source>
        <translation>Zeit t</translation>
    </message>
    <message>
        <source>Stretches and J must be greater than 0.</source>
        <translation>Streckungen und J müssen größer als 0 sein.</translation>
    </message>
    <message>
        <source>The line is normal to the plane.</source>
        <translation>Die Linie steht senkrecht auf der Fläche.</translation>
    </message>
    <message>
        <source>Rxy and Ryz must be at least 1.</source>
        <translation>Rxy und Ryz müssen mindestens 1 sein.</translation>
    </message>
    <message>
        <source>Wk of a general shear lies between 0 and 1.</source>
        <translation>Wk einer allgemeinen Scherung liegt zwischen 0 und 1.</translation>
    </message>
    <message>
        <source>k and d must be at least 0.</source>
        <translation>k und d müssen mindestens 0 sein.</translation>
    </message>
    <message>
        <source>εs must be at least 0 and ν between −1 and 1.</source>
        <translation>εs muss mindestens 0 und ν zwischen −1 und 1 sein.</translation>
    </message>
    <message>
        <source>Stretch along X</source>
        <translation>Streckung entlang X</translation>
    </message>
    <message>
        <source>Zone strike°</source>
        <translation>Streichen der Zone°</translation>
    </message>
    <message>
        <source>Convergence angle° (negative: transtension)</source>
        <translation>Konvergenzwinkel° (negativ: Transtension)</translation>
    </message>
    <message>
        <source>Wall speed V</source>
        <translation>Wandgeschwindigkeit V</translation>
    </message>
    <message>
        <source>Simple shear</source>
        <translation>Einfache Scherung</translation>
    </message>
    <message>
        <source>Shear strain γ</source>
        <translation>Scherverformung γ</translation>
    </message>
    <message>
        <source>General shear</source>
        <translation>Allgemeine Scherung</translation>
    </message>
    <message>
        <source>Kinematic vorticity Wk</source>
        <translation>Kinematische Vortizitätszahl Wk</translation>
    </message>
    <message>
        <source>Stretching rate</source>
        <translation>Streckungsrate</translation>
    </message>
    <message>
        <source>Transpression, constant volume</source>
        <translation>Transpression, volumentreu</translation>
    </message>
    <message>
        <source>Transpression with volume change</source>
        <translation>Transpression mit Volumenänderung</translation>
    </message>
    <message>
        <source>Axial flattening</source>
        <translation>Axiale Plättung</translation>
    </message>
    <message>
        <source>Stretch along Z</source>
        <translation>Streckung entlang Z</translation>
    </message>
    <message>
        <source>Axial constriction</source>
        <translation>Axiale Konstriktion</translation>
    </message>
    <message>
        <source>Volume change</source>
        <translation>Volumenänderung</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Drehung</translation>
    </message>
    <message>
        <source>Axis trend°</source>
        <translation>Achse Azimut°</translation>
    </message>
    <message>
        <source>Axis plunge°</source>
        <translation>Achse Abtauchen°</translation>
    </message>
    <message>
        <source>Angle°</source>
        <translation>Winkel°</translation>
    </message>
    <message>
        <source>Strain from Rxy and Ryz</source>
        <translation>Verformung aus Rxy und Ryz</translation>
    </message>
    <message>
        <source>Rxy = S1/S2</source>
        <translation>Rxy = S1/S2</translation>
    </message>
    <message>
        <source>Ryz = S2/S3</source>
        <translation>Ryz = S2/S3</translation>
    </message>
    <message>
        <source>Strain from Flinn k and d</source>
        <translation>Verformung aus Flinn k und d</translation>
    </message>
    <message>
        <source>Flinn k</source>
        <translation>Flinn k</translation>
    </message>
    <message>
        <source>Flinn d</source>
        <translation>Flinn d</translation>
    </message>
    <message>
        <source>Strain from εs and Lode ν</source>
        <translation>Verformung aus εs und Lode ν</translation>
    </message>
    <message>
        <source>Octahedral shear εs</source>
        <translation>Oktaederscherung εs</translation>
    </message>
    <message>
        <source>Lode ν</source>
        <translation>Lode ν</translation>
    </message>
    <message>
        <source>Velocity gradient L</source>
        <translation>Geschwindigkeitsgradient L</translation>
    </message>
    <message>
        <source>Flinn k must be at least 0.</source>
        <translation>Flinn k muss mindestens 0 sein.</translation>
    </message>
    <message>
        <source>Off plane strain the stretch along X must be at least 1.</source>
        <translation>Außerhalb ebener Verformung muss die Streckung entlang X mindestens 1 sein.</translation>
    </message>
    <message>
        <source>Wk of a transpression lies between 0 and 1 (negative: transtension).</source>
        <translation>Wk einer Transpression liegt zwischen 0 und 1 (negativ: Transtension).</translation>
    </message>
    <message>
        <source>Kinematic vorticity Wk (negative: transtension)</source>
        <translation>Kinematische Vortizitätszahl Wk (negativ: Transtension)</translation>
    </message>
    <message>
        <source>Pure shear</source>
        <translation>Reine Scherung</translation>
    </message>
    <message>
        <source>Flinn k (1: plane strain)</source>
        <translation>Flinn k (1: ebene Verformung)</translation>
    </message>
    <message>
        <source>Transpression from Wk, constant volume</source>
        <translation>Transpression aus Wk, volumentreu</translation>
    </message>
    <message>
        <source>Transpression from Wk with volume change</source>
        <translation>Transpression aus Wk mit Volumenänderung</translation>
    </message>
</context>
<context>
    <name>DocumentController</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Quorvel documents (*.%1)</source>
        <translation>Quorvel-Dokumente (*.%1)</translation>
    </message>
    <message>
        <source>The document “%1” could not be opened.</source>
        <translation>Das Dokument „%1“ konnte nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>DocumentWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Öffnen…</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Speichern unter…</translation>
    </message>
    <message>
        <source>Revert To Saved…</source>
        <translation>Zurück zur gespeicherten Fassung…</translation>
    </message>
    <message>
        <source>Export Image…</source>
        <translation>Bild exportieren…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Widerrufen</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Mouse and Keyboard</source>
        <translation>Maus und Tastatur</translation>
    </message>
    <message>
        <source>About Quorvel</source>
        <translation>Über Quorvel</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Über Qt</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>The document “%1” could not be saved as “%2”.</source>
        <translation>Das Dokument „%1“ konnte nicht als „%2“ gespeichert werden.</translation>
    </message>
    <message>
        <source>Revert to the saved version of “%1”? Your current changes will be lost.</source>
        <translation>Zur gespeicherten Fassung von „%1“ zurückkehren? Ihre aktuellen Änderungen gehen verloren.</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Zurückkehren</translation>
    </message>
    <message>
        <source>The document “%1” could not be reverted.</source>
        <translation>Das Dokument „%1“ konnte nicht auf die gespeicherte Fassung zurückgesetzt werden.</translation>
    </message>
    <message>
        <source>Do you want to save the changes you made to “%1”?</source>
        <translation>Möchten Sie die Änderungen an „%1“ speichern?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don&apos;t save them.</source>
        <translation>Ihre Änderungen gehen verloren, wenn Sie sie nicht speichern.</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Nicht speichern</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Copy Image</source>
        <translation>Bild kopieren</translation>
    </message>
    <message>
        <source>Copy Analysis</source>
        <translation>Analyse kopieren</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>The file “%1” has been changed by another program since it was opened or saved.</source>
        <translation>Die Datei „%1“ wurde seit dem Öffnen oder Speichern von einem anderen Programm geändert.</translation>
    </message>
    <message>
        <source>Overwrite it with this document? Its changes will be lost.</source>
        <translation>Mit diesem Dokument überschreiben? Die Änderungen in der Datei gehen dann verloren.</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>Inspector</source>
        <translation>Inspektor</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Deformation…</source>
        <translation>Deformation…</translation>
    </message>
    <message>
        <source>Flows and Vorticity</source>
        <translation>Fließen und Vortizität</translation>
    </message>
    <message>
        <source>Strain Analysis</source>
        <translation>Verformungsanalyse</translation>
    </message>
</context>
<context>
    <name>ExportImageDialog</name>
    <message>
        <source>Export Image</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source> pixels</source>
        <translation> Pixel</translation>
    </message>
    <message>
        <source>Image width</source>
        <translation>Bildbreite</translation>
    </message>
    <message>
        <source>Image height</source>
        <translation>Bildhöhe</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>Image background</source>
        <translation>Bildhintergrund</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Breite:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Höhe:</translation>
    </message>
    <message>
        <source>&amp;Background:</source>
        <translation>&amp;Hintergrund:</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>Bilder (%1)</translation>
    </message>
    <message>
        <source>The image “%1” could not be saved.</source>
        <translation>Das Bild „%1“ konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Quorvel cannot write this kind of image. Use a name that ends in one of %1.</source>
        <translation>Quorvel kann diese Art von Bild nicht schreiben. Verwenden Sie einen Namen, der auf eine dieser Endungen endet: %1.</translation>
    </message>
    <message>
        <source>A .%1 image has no transparency. Use .png or .tif for a transparent background.</source>
        <translation>Ein .%1-Bild kennt keine Transparenz. Verwenden Sie .png oder .tif für einen transparenten Hintergrund.</translation>
    </message>
</context>
<context>
    <name>HelpDialogs</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Quorvel shows a homogeneous three-dimensional strain: a strain matrix and a translation that turn a unit sphere into an ellipsoid. Edit the matrix, animate one of its entries, follow material points that the deformation carries along, and fold the present shape into a new starting state to build up a strain history.</source>
        <translation>Quorvel zeigt eine homogene dreidimensionale Verformung: eine Verformungsmatrix und eine Verschiebung, die eine Einheitskugel in ein Ellipsoid verwandeln. Bearbeiten Sie die Matrix, animieren Sie einen ihrer Einträge, verfolgen Sie Materialpunkte, die die Verformung mitnimmt, und machen Sie die jetzige Form zum neuen Ausgangszustand, um eine Verformungsgeschichte aufzubauen.</translation>
    </message>
    <message>
        <source>Copyright © The Quorvel authors. Released under the MIT licence.</source>
        <translation>Copyright © Die Quorvel-Autoren. Veröffentlicht unter der MIT-Lizenz.</translation>
    </message>
    <message>
        <source>Mouse and Keyboard</source>
        <translation>Maus und Tastatur</translation>
    </message>
    <message>
        <source>In the view</source>
        <translation>In der Ansicht</translation>
    </message>
    <message>
        <source>&lt;b&gt;Drag&lt;/b&gt; to turn the camera about the scene: sideways turns it round the vertical, up and down tilts it, never past straight above or below.</source>
        <translation>&lt;b&gt;Ziehen&lt;/b&gt; dreht die Kamera um die Szene: seitwärts um die Senkrechte, auf und ab kippt sie, nie über senkrecht oben oder unten hinaus.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Click&lt;/b&gt; on the ellipsoid, after a material point&apos;s &lt;i&gt;Set…&lt;/i&gt; button, to place that point there.</source>
        <translation>&lt;b&gt;Klicken&lt;/b&gt; Sie nach der Taste &lt;i&gt;Setzen…&lt;/i&gt; eines Materialpunkts auf das Ellipsoid, um den Punkt dorthin zu setzen.</translation>
    </message>
    <message>
        <source>The wheel</source>
        <translation>Das Mausrad</translation>
    </message>
    <message>
        <source>Over the inspector the wheel scrolls it; a slider or pop-up changes only while it has the keyboard focus (click it or reach it with Tab first). The notches of one turn make one undo step.</source>
        <translation>Über dem Inspektor rollt das Mausrad ihn; ein Schieberegler oder Auswahlmenü ändert sich nur, solange es den Tastaturfokus hat (erst anklicken oder mit Tab erreichen). Die Rasten einer Drehung ergeben einen Widerrufschritt.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>In a field, &lt;b&gt;Return&lt;/b&gt; or leaving the field applies the number.</source>
        <translation>In einem Feld übernimmt &lt;b&gt;Eingabe&lt;/b&gt; oder das Verlassen des Feldes die Zahl.</translation>
    </message>
    <message>
        <source>On a slider, the arrow keys move it a step and &lt;b&gt;Page Up&lt;/b&gt; and &lt;b&gt;Page Down&lt;/b&gt; a page; on the Zoom slider a page doubles or halves the distance.</source>
        <translation>Auf einem Schieberegler bewegen ihn die Pfeiltasten um einen Schritt, &lt;b&gt;Bild auf&lt;/b&gt; und &lt;b&gt;Bild ab&lt;/b&gt; um eine Seite; auf dem Zoom-Regler verdoppelt oder halbiert eine Seite den Abstand.</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; undoes the last change, &lt;b&gt;%2&lt;/b&gt; redoes it.</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; widerruft die letzte Änderung, &lt;b&gt;%2&lt;/b&gt; wiederholt sie.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Flick&lt;/b&gt;: let go while the pointer still moves and the scene keeps spinning. A click in the view or &lt;b&gt;Esc&lt;/b&gt; stops it.</source>
        <translation>&lt;b&gt;Anstoßen&lt;/b&gt;: Lassen Sie los, während sich der Zeiger noch bewegt, und die Szene dreht sich weiter. Ein Klick in die Ansicht oder &lt;b&gt;Esc&lt;/b&gt; hält sie an.</translation>
    </message>
    <message>
        <source>Over the view the wheel zooms: forward comes closer, backward moves away, each turn one undo step.</source>
        <translation>Über der Ansicht zoomt das Mausrad: nach vorn kommen Sie näher, nach hinten entfernen Sie sich; jede Drehung ist ein Widerrufschritt.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Tab&lt;/b&gt; and &lt;b&gt;Shift+Tab&lt;/b&gt; move from control to control, starting at the view; &lt;b&gt;Alt&lt;/b&gt; with the underlined letter of a label goes to its control.</source>
        <translation>&lt;b&gt;Tab&lt;/b&gt; und &lt;b&gt;Umschalt+Tab&lt;/b&gt; gehen von Bedienelement zu Bedienelement, beginnend bei der Ansicht; &lt;b&gt;Alt&lt;/b&gt; mit dem unterstrichenen Buchstaben einer Beschriftung geht zu ihrem Bedienelement.</translation>
    </message>
    <message>
        <source>In the view (click it or reach it with Tab; a frame shows that it has the focus), the &lt;b&gt;arrow keys&lt;/b&gt; turn the camera by 5 degrees, &lt;b&gt;Home&lt;/b&gt; resets the view, &lt;b&gt;+&lt;/b&gt; and &lt;b&gt;−&lt;/b&gt; come closer and move away as the Zoom slider&apos;s steps do, and &lt;b&gt;Esc&lt;/b&gt; stops a spin or cancels a waiting &lt;i&gt;Set…&lt;/i&gt;.</source>
        <translation>In der Ansicht (klicken Sie hinein oder erreichen Sie sie mit Tab; ein Rahmen zeigt, dass sie den Fokus hat) drehen die &lt;b&gt;Pfeiltasten&lt;/b&gt; die Kamera um 5 Grad, &lt;b&gt;Pos1&lt;/b&gt; setzt die Ansicht zurück, &lt;b&gt;+&lt;/b&gt; und &lt;b&gt;−&lt;/b&gt; bringen Sie so näher oder weiter weg wie die Schritte des Zoom-Reglers, und &lt;b&gt;Esc&lt;/b&gt; hält eine Drehung an oder bricht ein wartendes &lt;i&gt;Setzen…&lt;/i&gt; ab.</translation>
    </message>
    <message>
        <source>With the view focused &lt;b&gt;%1&lt;/b&gt; copies its picture; &lt;b&gt;Ctrl+E&lt;/b&gt; exports it, &lt;b&gt;F11&lt;/b&gt; fills the screen. Documents dropped on the window open.</source>
        <translation>Hat die Ansicht den Fokus, kopiert &lt;b&gt;%1&lt;/b&gt; ihr Bild; &lt;b&gt;Strg+E&lt;/b&gt; exportiert es, &lt;b&gt;F11&lt;/b&gt; füllt den Bildschirm. Auf das Fenster gezogene Dokumente werden geöffnet.</translation>
    </message>
    <message>
        <source>On the plots</source>
        <translation>In den Diagrammen</translation>
    </message>
    <message>
        <source>&lt;b&gt;Hover&lt;/b&gt; over a point of the stereonet to read its trend and plunge.</source>
        <translation>&lt;b&gt;Zeigen&lt;/b&gt; Sie auf einen Punkt des Stereonetzes, um Azimut und Abtauchen abzulesen.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Right-click&lt;/b&gt; the Flinn plot or the stereonet and choose &lt;i&gt;Export…&lt;/i&gt; to save it as an SVG drawing or a PNG picture.</source>
        <translation>&lt;b&gt;Rechtsklicken&lt;/b&gt; Sie auf das Flinn-Diagramm oder das Stereonetz und wählen Sie &lt;i&gt;Exportieren…&lt;/i&gt;, um es als SVG-Zeichnung oder PNG-Bild zu speichern.</translation>
    </message>
    <message>
        <source>Flows and Vorticity</source>
        <translation>Fließen und Vortizität</translation>
    </message>
    <message>
        <source>A flow</source>
        <translation>Ein Fließen</translation>
    </message>
    <message>
        <source>A steady flow is given by its velocity gradient &lt;i&gt;L&lt;/i&gt;, &lt;i&gt;L&lt;sub&gt;ij&lt;/sub&gt;&lt;/i&gt; = ∂&lt;i&gt;v&lt;sub&gt;i&lt;/sub&gt;&lt;/i&gt;/∂&lt;i&gt;x&lt;sub&gt;j&lt;/sub&gt;&lt;/i&gt;, with x east, y north and z up. After a time &lt;i&gt;t&lt;/i&gt; it has deformed the sphere by &lt;i&gt;F&lt;/i&gt;(&lt;i&gt;t&lt;/i&gt;) = exp(&lt;i&gt;tL&lt;/i&gt;). Choose &lt;i&gt;Time&lt;/i&gt; in the animation pop-up and the slider sweeps &lt;i&gt;t&lt;/i&gt;: the ellipsoid, the material points and the analysis follow. &lt;i&gt;Edit &amp;gt; Deformation…&lt;/i&gt; sets a flow (or a strain) from a shear, a transpression, a shape and orientation, or a velocity gradient typed in.</source>
        <translation>Ein stationäres Fließen ist durch seinen Geschwindigkeitsgradienten &lt;i&gt;L&lt;/i&gt; gegeben, &lt;i&gt;L&lt;sub&gt;ij&lt;/sub&gt;&lt;/i&gt; = ∂&lt;i&gt;v&lt;sub&gt;i&lt;/sub&gt;&lt;/i&gt;/∂&lt;i&gt;x&lt;sub&gt;j&lt;/sub&gt;&lt;/i&gt;, mit x nach Osten, y nach Norden und z nach oben. Nach einer Zeit &lt;i&gt;t&lt;/i&gt; hat es die Kugel um &lt;i&gt;F&lt;/i&gt;(&lt;i&gt;t&lt;/i&gt;) = exp(&lt;i&gt;tL&lt;/i&gt;) verformt. Wählen Sie &lt;i&gt;Zeit&lt;/i&gt; im Animations-Menü, und der Regler durchläuft &lt;i&gt;t&lt;/i&gt;: Ellipsoid, Materialpunkte und Analyse folgen. &lt;i&gt;Bearbeiten &amp;gt; Deformation…&lt;/i&gt; setzt ein Fließen (oder eine Verformung) aus einer Scherung, einer Transpression, einer Form mit Orientierung oder einem eingetippten Geschwindigkeitsgradienten.</translation>
    </message>
    <message>
        <source>&lt;i&gt;Restart Strain&lt;/i&gt; keeps the present shape, so that a second flow acts on the first one&apos;s result: simple shear after pure shear is not pure shear after simple shear, and neither is both at once.</source>
        <translation>&lt;i&gt;Verformung neu beginnen&lt;/i&gt; behält die jetzige Form, sodass ein zweites Fließen auf das Ergebnis des ersten wirkt: einfache Scherung nach reiner Scherung ist nicht reine Scherung nach einfacher Scherung, und keines von beiden ist beides zugleich.</translation>
    </message>
    <message>
        <source>Kinematic vorticity</source>
        <translation>Kinematische Vortizität</translation>
    </message>
    <message>
        <source>&lt;i&gt;D&lt;/i&gt; = (&lt;i&gt;L&lt;/i&gt; + &lt;i&gt;L&lt;/i&gt;ᵀ)/2 stretches, &lt;i&gt;W&lt;/i&gt; = (&lt;i&gt;L&lt;/i&gt; − &lt;i&gt;L&lt;/i&gt;ᵀ)/2 spins. &lt;i&gt;W&lt;sub&gt;k&lt;/sub&gt;&lt;/i&gt; = |&lt;i&gt;W&lt;/i&gt;| / |&lt;i&gt;D&lt;/i&gt;| (Frobenius norms; Truesdell 1953, Means et al. 1980) is 0 for a coaxial flow such as pure shear, 1 for simple shear, between them for general shear, and above 1 when the flow turns more than it stretches. The vorticity vector (∂v&lt;sub&gt;3&lt;/sub&gt;/∂x&lt;sub&gt;2&lt;/sub&gt; − ∂v&lt;sub&gt;2&lt;/sub&gt;/∂x&lt;sub&gt;3&lt;/sub&gt;, …) is twice the angular velocity, turning anticlockwise about itself.</source>
        <translation>&lt;i&gt;D&lt;/i&gt; = (&lt;i&gt;L&lt;/i&gt; + &lt;i&gt;L&lt;/i&gt;ᵀ)/2 streckt, &lt;i&gt;W&lt;/i&gt; = (&lt;i&gt;L&lt;/i&gt; − &lt;i&gt;L&lt;/i&gt;ᵀ)/2 dreht. &lt;i&gt;W&lt;sub&gt;k&lt;/sub&gt;&lt;/i&gt; = |&lt;i&gt;W&lt;/i&gt;| / |&lt;i&gt;D&lt;/i&gt;| (Frobeniusnormen; Truesdell 1953, Means et al. 1980) ist 0 für ein koaxiales Fließen wie die reine Scherung, 1 für die einfache Scherung, dazwischen für die allgemeine Scherung und größer als 1, wenn das Fließen mehr dreht als streckt. Der Vortizitätsvektor (∂v&lt;sub&gt;3&lt;/sub&gt;/∂x&lt;sub&gt;2&lt;/sub&gt; − ∂v&lt;sub&gt;2&lt;/sub&gt;/∂x&lt;sub&gt;3&lt;/sub&gt;, …) ist die doppelte Winkelgeschwindigkeit und dreht gegen den Uhrzeigersinn um sich selbst.</translation>
    </message>
    <message>
        <source>The instantaneous stretching axes are the eigenvectors of &lt;i&gt;D&lt;/i&gt;, the fastest first. The flow apophyses are the lines the flow does not turn, the real eigenvectors of &lt;i&gt;L&lt;/i&gt; other than the vorticity axis, the fastest first: pure shear has three, along its stretching axes; simple shear one, the shear direction; with &lt;i&gt;W&lt;sub&gt;k&lt;/sub&gt;&lt;/i&gt; &amp;gt; 1 there is none (Bobyarchick 1986; Passchier 1997).</source>
        <translation>Die instantanen Streckungsachsen sind die Eigenvektoren von &lt;i&gt;D&lt;/i&gt;, die schnellste zuerst. Die Fließapophysen sind die Linien, die das Fließen nicht dreht, die reellen Eigenvektoren von &lt;i&gt;L&lt;/i&gt; außer der Vortizitätsachse, die schnellste zuerst: die reine Scherung hat drei, entlang ihrer Streckungsachsen; die einfache Scherung eine, die Scherrichtung; mit &lt;i&gt;W&lt;sub&gt;k&lt;/sub&gt;&lt;/i&gt; &amp;gt; 1 gibt es keine (Bobyarchick 1986; Passchier 1997).</translation>
    </message>
    <message>
        <source>Reading a path</source>
        <translation>Einen Pfad lesen</translation>
    </message>
    <message>
        <source>&lt;i&gt;Draw Flow Path&lt;/i&gt; under the Flinn plot adds the shapes that the flow makes from the slider&apos;s lowest time to its highest, in a colour of its own. Of flows that stretch as fast for as long, those of higher &lt;i&gt;W&lt;sub&gt;k&lt;/sub&gt;&lt;/i&gt; go less far: the more a flow spins, the more it turns its lines away from the stretching axes. Plane-strain flows stay on the line k = 1; axial flattening runs along the horizontal axis, constriction up the vertical.</source>
        <translation>&lt;i&gt;Fließpfad zeichnen&lt;/i&gt; unter dem Flinn-Diagramm fügt die Formen hinzu, die das Fließen von der kleinsten bis zur größten Zeit des Reglers erzeugt, in einer eigenen Farbe. Von Fließbewegungen, die gleich schnell und gleich lange strecken, kommen die mit höherem &lt;i&gt;W&lt;sub&gt;k&lt;/sub&gt;&lt;/i&gt; weniger weit: Je mehr ein Fließen dreht, desto mehr dreht es seine Linien von den Streckungsachsen weg. Fließen mit ebener Verformung bleibt auf der Linie k = 1; axiale Plättung verläuft entlang der waagrechten Achse, Konstriktion die senkrechte hinauf.</translation>
    </message>
    <message>
        <source>The analysis also gives, for the ellipsoid as drawn, the steady flow that makes it in unit time (the principal logarithm of &lt;i&gt;F&lt;/i&gt;), or why there is none.</source>
        <translation>Die Analyse gibt für das gezeigte Ellipsoid auch das stationäre Fließen an, das es in der Zeiteinheit erzeugt (den Hauptlogarithmus von &lt;i&gt;F&lt;/i&gt;), oder warum es keines gibt.</translation>
    </message>
    <message>
        <source>In the Analysis panel&apos;s table the arrow keys move from cell to cell; &lt;b&gt;Tab&lt;/b&gt; leaves the table for the next control.</source>
        <translation>In der Tabelle der Analyse gehen die Pfeiltasten von Zelle zu Zelle; &lt;b&gt;Tab&lt;/b&gt; verlässt die Tabelle zum nächsten Bedienelement.</translation>
    </message>
    <message>
        <source>Strain Analysis</source>
        <translation>Verformungsanalyse</translation>
    </message>
    <message>
        <source>Directions</source>
        <translation>Richtungen</translation>
    </message>
    <message>
        <source>&lt;i&gt;F&lt;/i&gt; is the deformation gradient of the ellipsoid as drawn, &lt;i&gt;B&lt;/i&gt; = &lt;i&gt;F&lt;/i&gt;&lt;i&gt;F&lt;/i&gt;ᵀ. x points east, y north and z up. Trends and dip directions run clockwise from north, plunges and dips downward. A line is given by its lower-hemisphere end; a horizontal line by the end whose trend is below 180°, a vertical one as 000/90. A horizontal plane dips 0° towards 000, a vertical one towards the side below 180°.</source>
        <translation>&lt;i&gt;F&lt;/i&gt; ist der Deformationsgradient des gezeichneten Ellipsoids, &lt;i&gt;B&lt;/i&gt; = &lt;i&gt;F&lt;/i&gt;&lt;i&gt;F&lt;/i&gt;ᵀ. x zeigt nach Osten, y nach Norden und z nach oben. Azimute und Fallrichtungen zählen im Uhrzeigersinn von Norden, Abtauchen und Fallwinkel nach unten. Eine Linie wird durch ihr Ende in der unteren Halbkugel angegeben; eine horizontale durch das Ende mit einem Azimut unter 180°, eine vertikale als 000/90. Eine horizontale Ebene fällt mit 0° nach 000, eine vertikale zur Seite unter 180°.</translation>
    </message>
    <message>
        <source>The entries are single-precision numbers written with six decimals, so a line within 10&lt;sup&gt;−5&lt;/sup&gt; of the horizontal or the vertical counts as such, and stretches whose ratio is within 10&lt;sup&gt;−5&lt;/sup&gt; of 1 as equal. The axes of equal stretches are not defined: any direction for a sphere, any line ⊥ X where S2 = S3, any line ⊥ Z where S1 = S2; the panel says so instead of giving a number.</source>
        <translation>Die Einträge sind Zahlen einfacher Genauigkeit, mit sechs Nachkommastellen gespeichert; daher gilt eine Linie, die weniger als 10&lt;sup&gt;−5&lt;/sup&gt; von der Horizontalen oder der Vertikalen abweicht, als solche, und Streckungen, deren Verhältnis weniger als 10&lt;sup&gt;−5&lt;/sup&gt; von 1 abweicht, als gleich. Die Achsen gleicher Streckungen sind nicht bestimmt: jede Richtung bei einer Kugel, jede Linie ⊥ X bei S2 = S3, jede Linie ⊥ Z bei S1 = S2; die Tabelle sagt das, statt eine Zahl zu nennen.</translation>
    </message>
    <message>
        <source>Quantities</source>
        <translation>Größen</translation>
    </message>
    <message>
        <source>&lt;b&gt;Stretches&lt;/b&gt; S1 ≥ S2 ≥ S3 are the singular values of &lt;i&gt;F&lt;/i&gt;; X, Y and Z are their axes. Quadratic elongations λ&lt;sub&gt;i&lt;/sub&gt; = S&lt;sub&gt;i&lt;/sub&gt;², natural strains ε&lt;sub&gt;i&lt;/sub&gt; = ln S&lt;sub&gt;i&lt;/sub&gt;.</source>
        <translation>&lt;b&gt;Streckungen&lt;/b&gt; S1 ≥ S2 ≥ S3 sind die Singulärwerte von &lt;i&gt;F&lt;/i&gt;; X, Y und Z sind ihre Achsen. Quadratische Dehnungen λ&lt;sub&gt;i&lt;/sub&gt; = S&lt;sub&gt;i&lt;/sub&gt;², natürliche Verformungen ε&lt;sub&gt;i&lt;/sub&gt; = ln S&lt;sub&gt;i&lt;/sub&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Volume&lt;/b&gt;: J = det &lt;i&gt;F&lt;/i&gt; as stored; &lt;i&gt;F&lt;/i&gt; is singular only where J is 0. The volume change is (|J| − 1) × 100 %.</source>
        <translation>&lt;b&gt;Volumen&lt;/b&gt;: J = det &lt;i&gt;F&lt;/i&gt; wie gespeichert; &lt;i&gt;F&lt;/i&gt; ist nur bei J = 0 singulär. Die Volumenänderung ist (|J| − 1) × 100 %.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Shape&lt;/b&gt;: Rxy = S1/S2, Ryz = S2/S3, Rxz = S1/S3; Flinn&apos;s k = (Rxy − 1)/(Ryz − 1) and d = √((Rxy − 1)² + (Ryz − 1)²) (Flinn 1962); Ramsay&apos;s K = ln Rxy / ln Ryz (Ramsay 1967) and D = √((ε1 − ε2)² + (ε2 − ε3)²) (Ramsay and Huber 1983); Lode&apos;s ν = (2ε2 − ε1 − ε3)/(ε1 − ε3) (Lode 1926), +1 for flattening, −1 for constriction; the natural octahedral shear strain εs = √((ε1 − ε2)² + (ε2 − ε3)² + (ε3 − ε1)²)/√3 (Nadai 1963; Hossack 1968).</source>
        <translation>&lt;b&gt;Form&lt;/b&gt;: Rxy = S1/S2, Ryz = S2/S3, Rxz = S1/S3; Flinns k = (Rxy − 1)/(Ryz − 1) und d = √((Rxy − 1)² + (Ryz − 1)²) (Flinn 1962); Ramsays K = ln Rxy / ln Ryz (Ramsay 1967) und D = √((ε1 − ε2)² + (ε2 − ε3)²) (Ramsay und Huber 1983); Lodes ν = (2ε2 − ε1 − ε3)/(ε1 − ε3) (Lode 1926), +1 für Plättung, −1 für Konstriktion; die natürliche oktaedrische Scherverformung εs = √((ε1 − ε2)² + (ε2 − ε3)² + (ε3 − ε1)²)/√3 (Nadai 1963; Hossack 1968).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Symmetry class&lt;/b&gt; by Lode&apos;s ν (Flinn 1965): L below −0.75, LLS below −0.15, LS up to 0.15, SSL up to 0.75, S above.</source>
        <translation>&lt;b&gt;Symmetrieklasse&lt;/b&gt; nach Lodes ν (Flinn 1965): L unter −0,75, LLS unter −0,15, LS bis 0,15, SSL bis 0,75, S darüber.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Fabric&lt;/b&gt;: the lineation is X, the foliation the XY plane. The rotation is that of the polar decomposition &lt;i&gt;F&lt;/i&gt; = &lt;i&gt;V&lt;/i&gt;&lt;i&gt;R&lt;/i&gt;, anticlockwise about its axis.</source>
        <translation>&lt;b&gt;Gefüge&lt;/b&gt;: Die Lineation ist X, die Schieferung die XY-Ebene. Die Rotation ist die der polaren Zerlegung &lt;i&gt;F&lt;/i&gt; = &lt;i&gt;V&lt;/i&gt;&lt;i&gt;R&lt;/i&gt;, gegen den Uhrzeigersinn um ihre Achse.</translation>
    </message>
    <message>
        <source>The plots</source>
        <translation>Die Diagramme</translation>
    </message>
    <message>
        <source>Flinn&apos;s plot is drawn in Ramsay&apos;s logarithmic form, ln Ryz across and ln Rxy up at one scale, so that k = 1 runs at 45°; plane strains of volume ratio J lie on ln Rxy = ln Ryz + ln J (Ramsay and Wood 1973). Hsu&apos;s plot (Hsu 1966) puts εs out from the origin and ν as the angle ν × 30° from straight up, flattening to the right. The stereonet is equal-area (Schmidt), lower hemisphere, north up.</source>
        <translation>Das Flinn-Diagramm ist in Ramsays logarithmischer Form gezeichnet, ln Ryz waagerecht und ln Rxy senkrecht im selben Maßstab, sodass k = 1 unter 45° verläuft; ebene Verformungen des Volumenverhältnisses J liegen auf ln Rxy = ln Ryz + ln J (Ramsay und Wood 1973). Das Hsu-Diagramm (Hsu 1966) trägt εs vom Ursprung nach außen auf und ν als Winkel ν × 30° von der Senkrechten, Plättung nach rechts. Das Stereonetz ist flächentreu (Schmidt), untere Halbkugel, Norden oben.</translation>
    </message>
</context>
<context>
    <name>MaterialLinesPanel</name>
    <message>
        <source>Material lines: the points seen as lines through the centre</source>
        <translation>Materielle Linien: die Punkte als Linien durch den Mittelpunkt</translation>
    </message>
    <message>
        <source>Point 1</source>
        <translation>Punkt 1</translation>
    </message>
    <message>
        <source>Point 2</source>
        <translation>Punkt 2</translation>
    </message>
    <message>
        <source>Point 3</source>
        <translation>Punkt 3</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>e</source>
        <translation>e</translation>
    </message>
    <message>
        <source>λ</source>
        <translation>λ</translation>
    </message>
    <message>
        <source>Turned°</source>
        <translation>Gedreht°</translation>
    </message>
    <message>
        <source>1 and 2</source>
        <translation>1 und 2</translation>
    </message>
    <message>
        <source>1 and 3</source>
        <translation>1 und 3</translation>
    </message>
    <message>
        <source>2 and 3</source>
        <translation>2 und 3</translation>
    </message>
    <message>
        <source>Before°</source>
        <translation>Vorher°</translation>
    </message>
    <message>
        <source>After°</source>
        <translation>Nachher°</translation>
    </message>
    <message>
        <source>γ</source>
        <translation>γ</translation>
    </message>
    <message>
        <source>Stretch S, elongation e = S − 1, quadratic elongation λ = S², and the angle the line turned</source>
        <translation>Streckung S, Dehnung e = S − 1, quadratische Dehnung λ = S² und der Winkel, um den sich die Linie gedreht hat</translation>
    </message>
    <message>
        <source>The angle between two lines before and after, and for lines that began perpendicular the shear strain γ = tan ψ</source>
        <translation>Der Winkel zwischen zwei Linien vorher und nachher und für anfangs senkrechte Linien die Scherung γ = tan ψ</translation>
    </message>
    <message>
        <source>Color the surface by stretch</source>
        <translation>Oberfläche nach Streckung färben</translation>
    </message>
    <message>
        <source>Each point of the surface in the color of the stretch of the material line that ends there</source>
        <translation>Jeder Punkt der Oberfläche in der Farbe der Streckung der materiellen Linie, die dort endet</translation>
    </message>
    <message>
        <source>lengthened, S &gt; 1 (the more, the deeper)</source>
        <translation>verlängert, S &gt; 1 (je mehr, desto kräftiger)</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>unverändert</translation>
    </message>
    <message>
        <source>shortened, S &lt; 1</source>
        <translation>verkürzt, S &lt; 1</translation>
    </message>
    <message>
        <source>lines of S = 1</source>
        <translation>Linien mit S = 1</translation>
    </message>
</context>
<context>
    <name>MyDocument</name>
    <message>
        <source>Strain ellipsoid view</source>
        <translation>Ansicht des Verformungsellipsoids</translation>
    </message>
    <message>
        <source>The deformed sphere with its axes, light and material points. Drag to turn the camera; click to place the point that waits for a pick.</source>
        <translation>Die verformte Kugel mit Achsen, Licht und Materialpunkten. Ziehen dreht die Kamera; ein Klick setzt den Punkt, der auf eine Auswahl wartet.</translation>
    </message>
    <message>
        <source>Strain</source>
        <translation>Verformung</translation>
    </message>
    <message>
        <source>Matrix &amp;acts on</source>
        <translation>Matrix &amp;wirkt von</translation>
    </message>
    <message>
        <source>Matrix acts on</source>
        <translation>Matrix wirkt von</translation>
    </message>
    <message>
        <source>The side from which the strain matrix acts on positions</source>
        <translation>Die Seite, von der die Verformungsmatrix auf Positionen wirkt</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Strain entry a, row 1, column 1</source>
        <translation>Verformungseintrag a, Zeile 1, Spalte 1</translation>
    </message>
    <message>
        <source>Strain matrix entry a</source>
        <translation>Eintrag a der Verformungsmatrix</translation>
    </message>
    <message>
        <source>Strain entry b, row 1, column 2</source>
        <translation>Verformungseintrag b, Zeile 1, Spalte 2</translation>
    </message>
    <message>
        <source>Strain matrix entry b</source>
        <translation>Eintrag b der Verformungsmatrix</translation>
    </message>
    <message>
        <source>Strain entry c, row 1, column 3</source>
        <translation>Verformungseintrag c, Zeile 1, Spalte 3</translation>
    </message>
    <message>
        <source>Strain matrix entry c</source>
        <translation>Eintrag c der Verformungsmatrix</translation>
    </message>
    <message>
        <source>Strain entry d, row 2, column 1</source>
        <translation>Verformungseintrag d, Zeile 2, Spalte 1</translation>
    </message>
    <message>
        <source>Strain matrix entry d</source>
        <translation>Eintrag d der Verformungsmatrix</translation>
    </message>
    <message>
        <source>Strain entry e, row 2, column 2</source>
        <translation>Verformungseintrag e, Zeile 2, Spalte 2</translation>
    </message>
    <message>
        <source>Strain matrix entry e</source>
        <translation>Eintrag e der Verformungsmatrix</translation>
    </message>
    <message>
        <source>Strain entry f, row 2, column 3</source>
        <translation>Verformungseintrag f, Zeile 2, Spalte 3</translation>
    </message>
    <message>
        <source>Strain matrix entry f</source>
        <translation>Eintrag f der Verformungsmatrix</translation>
    </message>
    <message>
        <source>Strain entry g, row 3, column 1</source>
        <translation>Verformungseintrag g, Zeile 3, Spalte 1</translation>
    </message>
    <message>
        <source>Strain matrix entry g</source>
        <translation>Eintrag g der Verformungsmatrix</translation>
    </message>
    <message>
        <source>Strain entry h, row 3, column 2</source>
        <translation>Verformungseintrag h, Zeile 3, Spalte 2</translation>
    </message>
    <message>
        <source>Strain matrix entry h</source>
        <translation>Eintrag h der Verformungsmatrix</translation>
    </message>
    <message>
        <source>Strain entry i, row 3, column 3</source>
        <translation>Verformungseintrag i, Zeile 3, Spalte 3</translation>
    </message>
    <message>
        <source>Strain matrix entry i</source>
        <translation>Eintrag i der Verformungsmatrix</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Verschiebung</translation>
    </message>
    <message>
        <source>&amp;x</source>
        <translation>&amp;x</translation>
    </message>
    <message>
        <source>Translation x</source>
        <translation>Verschiebung x</translation>
    </message>
    <message>
        <source>Translation along x</source>
        <translation>Verschiebung entlang x</translation>
    </message>
    <message>
        <source>&amp;y</source>
        <translation>&amp;y</translation>
    </message>
    <message>
        <source>Translation y</source>
        <translation>Verschiebung y</translation>
    </message>
    <message>
        <source>Translation along y</source>
        <translation>Verschiebung entlang y</translation>
    </message>
    <message>
        <source>&amp;z</source>
        <translation>&amp;z</translation>
    </message>
    <message>
        <source>Translation z</source>
        <translation>Verschiebung z</translation>
    </message>
    <message>
        <source>Translation along z</source>
        <translation>Verschiebung entlang z</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>A&amp;nimate</source>
        <translation>A&amp;nimieren</translation>
    </message>
    <message>
        <source>Animated quantity</source>
        <translation>Animierte Größe</translation>
    </message>
    <message>
        <source>The quantity that the slider drives</source>
        <translation>Die Größe, die der Schieberegler verändert</translation>
    </message>
    <message>
        <source>a</source>
        <translation>a</translation>
    </message>
    <message>
        <source>b</source>
        <translation>b</translation>
    </message>
    <message>
        <source>c</source>
        <translation>c</translation>
    </message>
    <message>
        <source>d</source>
        <translation>d</translation>
    </message>
    <message>
        <source>e</source>
        <translation>e</translation>
    </message>
    <message>
        <source>f</source>
        <translation>f</translation>
    </message>
    <message>
        <source>g</source>
        <translation>g</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>i</source>
        <translation>i</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <source>z</source>
        <translation>z</translation>
    </message>
    <message>
        <source>Animation slider</source>
        <translation>Animationsregler</translation>
    </message>
    <message>
        <source>Drives the chosen quantity between its minimum and maximum</source>
        <translation>Verändert die gewählte Größe zwischen ihrem Minimum und Maximum</translation>
    </message>
    <message>
        <source>M&amp;in</source>
        <translation>M&amp;in</translation>
    </message>
    <message>
        <source>Animation minimum</source>
        <translation>Animationsminimum</translation>
    </message>
    <message>
        <source>The value at the slider&apos;s left end</source>
        <translation>Der Wert am linken Ende des Reglers</translation>
    </message>
    <message>
        <source>&amp;Max</source>
        <translation>&amp;Max</translation>
    </message>
    <message>
        <source>Animation maximum</source>
        <translation>Animationsmaximum</translation>
    </message>
    <message>
        <source>The value at the slider&apos;s right end</source>
        <translation>Der Wert am rechten Ende des Reglers</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Preserve volume</source>
        <translation>Volumen erhalten</translation>
    </message>
    <message>
        <source>Editing an entry rescales another row so that the volume stays the same</source>
        <translation>Das Bearbeiten eines Eintrags skaliert eine andere Zeile, sodass das Volumen gleich bleibt</translation>
    </message>
    <message>
        <source>&amp;Leave alone</source>
        <translation>&amp;Unverändert lassen</translation>
    </message>
    <message>
        <source>The row (axis) that preserving the volume never rescales</source>
        <translation>Die Zeile (Achse), die die Volumenerhaltung nie skaliert</translation>
    </message>
    <message>
        <source>Leave row x alone</source>
        <translation>Zeile x unverändert lassen</translation>
    </message>
    <message>
        <source>Never rescale row x</source>
        <translation>Zeile x nie skalieren</translation>
    </message>
    <message>
        <source>Leave row y alone</source>
        <translation>Zeile y unverändert lassen</translation>
    </message>
    <message>
        <source>Never rescale row y</source>
        <translation>Zeile y nie skalieren</translation>
    </message>
    <message>
        <source>Leave row z alone</source>
        <translation>Zeile z unverändert lassen</translation>
    </message>
    <message>
        <source>Never rescale row z</source>
        <translation>Zeile z nie skalieren</translation>
    </message>
    <message>
        <source>Material points</source>
        <translation>Materialpunkte</translation>
    </message>
    <message>
        <source>&amp;1</source>
        <translation>&amp;1</translation>
    </message>
    <message>
        <source>Point 1 x</source>
        <translation>Punkt 1 x</translation>
    </message>
    <message>
        <source>Material point 1, x</source>
        <translation>Materialpunkt 1, x</translation>
    </message>
    <message>
        <source>Point 1 y</source>
        <translation>Punkt 1 y</translation>
    </message>
    <message>
        <source>Material point 1, y</source>
        <translation>Materialpunkt 1, y</translation>
    </message>
    <message>
        <source>Point 1 z</source>
        <translation>Punkt 1 z</translation>
    </message>
    <message>
        <source>Material point 1, z</source>
        <translation>Materialpunkt 1, z</translation>
    </message>
    <message>
        <source>Show point 1</source>
        <translation>Punkt 1 zeigen</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Zeigen</translation>
    </message>
    <message>
        <source>Show material point 1</source>
        <translation>Materialpunkt 1 zeigen</translation>
    </message>
    <message>
        <source>Set point 1 by clicking the ellipsoid</source>
        <translation>Punkt 1 durch Klick auf das Ellipsoid setzen</translation>
    </message>
    <message>
        <source>Set...</source>
        <translation>Setzen…</translation>
    </message>
    <message>
        <source>Click on the ellipsoid to place material point 1</source>
        <translation>Auf das Ellipsoid klicken, um Materialpunkt 1 zu setzen</translation>
    </message>
    <message>
        <source>&amp;2</source>
        <translation>&amp;2</translation>
    </message>
    <message>
        <source>Point 2 x</source>
        <translation>Punkt 2 x</translation>
    </message>
    <message>
        <source>Material point 2, x</source>
        <translation>Materialpunkt 2, x</translation>
    </message>
    <message>
        <source>Point 2 y</source>
        <translation>Punkt 2 y</translation>
    </message>
    <message>
        <source>Material point 2, y</source>
        <translation>Materialpunkt 2, y</translation>
    </message>
    <message>
        <source>Point 2 z</source>
        <translation>Punkt 2 z</translation>
    </message>
    <message>
        <source>Material point 2, z</source>
        <translation>Materialpunkt 2, z</translation>
    </message>
    <message>
        <source>Show point 2</source>
        <translation>Punkt 2 zeigen</translation>
    </message>
    <message>
        <source>Show material point 2</source>
        <translation>Materialpunkt 2 zeigen</translation>
    </message>
    <message>
        <source>Set point 2 by clicking the ellipsoid</source>
        <translation>Punkt 2 durch Klick auf das Ellipsoid setzen</translation>
    </message>
    <message>
        <source>Click on the ellipsoid to place material point 2</source>
        <translation>Auf das Ellipsoid klicken, um Materialpunkt 2 zu setzen</translation>
    </message>
    <message>
        <source>&amp;3</source>
        <translation>&amp;3</translation>
    </message>
    <message>
        <source>Point 3 x</source>
        <translation>Punkt 3 x</translation>
    </message>
    <message>
        <source>Material point 3, x</source>
        <translation>Materialpunkt 3, x</translation>
    </message>
    <message>
        <source>Point 3 y</source>
        <translation>Punkt 3 y</translation>
    </message>
    <message>
        <source>Material point 3, y</source>
        <translation>Materialpunkt 3, y</translation>
    </message>
    <message>
        <source>Point 3 z</source>
        <translation>Punkt 3 z</translation>
    </message>
    <message>
        <source>Material point 3, z</source>
        <translation>Materialpunkt 3, z</translation>
    </message>
    <message>
        <source>Show point 3</source>
        <translation>Punkt 3 zeigen</translation>
    </message>
    <message>
        <source>Show material point 3</source>
        <translation>Materialpunkt 3 zeigen</translation>
    </message>
    <message>
        <source>Set point 3 by clicking the ellipsoid</source>
        <translation>Punkt 3 durch Klick auf das Ellipsoid setzen</translation>
    </message>
    <message>
        <source>Click on the ellipsoid to place material point 3</source>
        <translation>Auf das Ellipsoid klicken, um Materialpunkt 3 zu setzen</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Pro&amp;jection</source>
        <translation>Pro&amp;jektion</translation>
    </message>
    <message>
        <source>Projection</source>
        <translation>Projektion</translation>
    </message>
    <message>
        <source>The camera&apos;s projection</source>
        <translation>Die Projektion der Kamera</translation>
    </message>
    <message>
        <source>Isometric</source>
        <translation>Isometrisch</translation>
    </message>
    <message>
        <source>Perspective</source>
        <translation>Perspektivisch</translation>
    </message>
    <message>
        <source>Reset view</source>
        <translation>Ansicht zurücksetzen</translation>
    </message>
    <message>
        <source>Reset View</source>
        <translation>Ansicht zurücksetzen</translation>
    </message>
    <message>
        <source>Back to the plan view of the x-y plane, lit from above</source>
        <translation>Zurück zur Draufsicht auf die x-y-Ebene, von oben beleuchtet</translation>
    </message>
    <message>
        <source>Z&amp;oom</source>
        <translation>Z&amp;oom</translation>
    </message>
    <message>
        <source>Drag right to move away, left to come closer</source>
        <translation>Nach rechts ziehen entfernt, nach links nähert</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Show axes</source>
        <translation>Achsen zeigen</translation>
    </message>
    <message>
        <source>Draw the x (red), y (green) and z (blue) axes</source>
        <translation>Die Achsen x (rot), y (grün) und z (blau) zeichnen</translation>
    </message>
    <message>
        <source>Mark axes</source>
        <translation>Achsen markieren</translation>
    </message>
    <message>
        <source>Mark the axes at every unit</source>
        <translation>Die Achsen bei jeder Einheit markieren</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Licht</translation>
    </message>
    <message>
        <source>Light x</source>
        <translation>Licht x</translation>
    </message>
    <message>
        <source>Direction the light comes from, x</source>
        <translation>Richtung, aus der das Licht kommt, x</translation>
    </message>
    <message>
        <source>Light y</source>
        <translation>Licht y</translation>
    </message>
    <message>
        <source>Direction the light comes from, y</source>
        <translation>Richtung, aus der das Licht kommt, y</translation>
    </message>
    <message>
        <source>Light z</source>
        <translation>Licht z</translation>
    </message>
    <message>
        <source>Direction the light comes from, z</source>
        <translation>Richtung, aus der das Licht kommt, z</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Aussehen</translation>
    </message>
    <message>
        <source>Ellipsoid color</source>
        <translation>Farbe des Ellipsoids</translation>
    </message>
    <message>
        <source>Color…</source>
        <translation>Farbe…</translation>
    </message>
    <message>
        <source>Choose the colour of the ellipsoid</source>
        <translation>Die Farbe des Ellipsoids wählen</translation>
    </message>
    <message>
        <source>O&amp;pacity</source>
        <translation>Dec&amp;kkraft</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Deckkraft</translation>
    </message>
    <message>
        <source>From see-through (left) to opaque (right)</source>
        <translation>Von durchsichtig (links) bis deckend (rechts)</translation>
    </message>
    <message>
        <source>Restart strain</source>
        <translation>Verformung neu beginnen</translation>
    </message>
    <message>
        <source>Restart Strain</source>
        <translation>Verformung neu beginnen</translation>
    </message>
    <message>
        <source>Take the present shape as the new starting state</source>
        <translation>Die jetzige Form als neuen Ausgangszustand nehmen</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
</context>
<context>
    <name>MyWindowController</name>
    <message>
        <source>Set A Value</source>
        <translation>a-Wert setzen</translation>
    </message>
    <message>
        <source>Set B Value</source>
        <translation>b-Wert setzen</translation>
    </message>
    <message>
        <source>Set C Value</source>
        <translation>c-Wert setzen</translation>
    </message>
    <message>
        <source>Set D Value</source>
        <translation>d-Wert setzen</translation>
    </message>
    <message>
        <source>Set E Value</source>
        <translation>e-Wert setzen</translation>
    </message>
    <message>
        <source>Set F Value</source>
        <translation>f-Wert setzen</translation>
    </message>
    <message>
        <source>Set G Value</source>
        <translation>g-Wert setzen</translation>
    </message>
    <message>
        <source>Set H Value</source>
        <translation>h-Wert setzen</translation>
    </message>
    <message>
        <source>Set I Value</source>
        <translation>i-Wert setzen</translation>
    </message>
    <message>
        <source>Set X Value</source>
        <translation>x-Wert setzen</translation>
    </message>
    <message>
        <source>Set Y Value</source>
        <translation>y-Wert setzen</translation>
    </message>
    <message>
        <source>Set Z Value</source>
        <translation>z-Wert setzen</translation>
    </message>
    <message>
        <source>Set Light X Value</source>
        <translation>Licht-x-Wert setzen</translation>
    </message>
    <message>
        <source>Set Light Y Value</source>
        <translation>Licht-y-Wert setzen</translation>
    </message>
    <message>
        <source>Set Light Z Value</source>
        <translation>Licht-z-Wert setzen</translation>
    </message>
    <message>
        <source>Set Point 1 X Value</source>
        <translation>Punkt-1-x-Wert setzen</translation>
    </message>
    <message>
        <source>Set Point 1 Y Value</source>
        <translation>Punkt-1-y-Wert setzen</translation>
    </message>
    <message>
        <source>Set Point 1 Z Value</source>
        <translation>Punkt-1-z-Wert setzen</translation>
    </message>
    <message>
        <source>Set Point 2 X Value</source>
        <translation>Punkt-2-x-Wert setzen</translation>
    </message>
    <message>
        <source>Set Point 2 Y Value</source>
        <translation>Punkt-2-y-Wert setzen</translation>
    </message>
    <message>
        <source>Set Point 2 Z Value</source>
        <translation>Punkt-2-z-Wert setzen</translation>
    </message>
    <message>
        <source>Set Point 3 X Value</source>
        <translation>Punkt-3-x-Wert setzen</translation>
    </message>
    <message>
        <source>Set Point 3 Y Value</source>
        <translation>Punkt-3-y-Wert setzen</translation>
    </message>
    <message>
        <source>Set Point 3 Z Value</source>
        <translation>Punkt-3-z-Wert setzen</translation>
    </message>
    <message>
        <source>Show Point 1</source>
        <translation>Punkt 1 zeigen</translation>
    </message>
    <message>
        <source>Hide Point 1</source>
        <translation>Punkt 1 ausblenden</translation>
    </message>
    <message>
        <source>Show Point 2</source>
        <translation>Punkt 2 zeigen</translation>
    </message>
    <message>
        <source>Hide Point 2</source>
        <translation>Punkt 2 ausblenden</translation>
    </message>
    <message>
        <source>Show Point 3</source>
        <translation>Punkt 3 zeigen</translation>
    </message>
    <message>
        <source>Hide Point 3</source>
        <translation>Punkt 3 ausblenden</translation>
    </message>
    <message>
        <source>Act On Left</source>
        <translation>Von links wirken</translation>
    </message>
    <message>
        <source>Act On Right</source>
        <translation>Von rechts wirken</translation>
    </message>
    <message>
        <source>Show Axes</source>
        <translation>Achsen zeigen</translation>
    </message>
    <message>
        <source>Hide Axes</source>
        <translation>Achsen ausblenden</translation>
    </message>
    <message>
        <source>Mark Axes</source>
        <translation>Achsen markieren</translation>
    </message>
    <message>
        <source>Don&apos;t Mark Axes</source>
        <translation>Achsen nicht markieren</translation>
    </message>
    <message>
        <source>Preserve Volume</source>
        <translation>Volumen erhalten</translation>
    </message>
    <message>
        <source>Don&apos;t Preserve Volume</source>
        <translation>Volumen nicht erhalten</translation>
    </message>
    <message>
        <source>Set Constraint</source>
        <translation>Randbedingung setzen</translation>
    </message>
    <message>
        <source>Set Translucency</source>
        <translation>Deckkraft setzen</translation>
    </message>
    <message>
        <source>Select Animation Field</source>
        <translation>Animierte Größe wählen</translation>
    </message>
    <message>
        <source>Adjust Animation Slider</source>
        <translation>Animationsregler verstellen</translation>
    </message>
    <message>
        <source>Set Slider Max Value</source>
        <translation>Reglermaximum setzen</translation>
    </message>
    <message>
        <source>Set Slider Min Value</source>
        <translation>Reglerminimum setzen</translation>
    </message>
    <message>
        <source>Project Isometrically</source>
        <translation>Isometrisch projizieren</translation>
    </message>
    <message>
        <source>Project in Perspective</source>
        <translation>Perspektivisch projizieren</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Set...</source>
        <translation>Setzen…</translation>
    </message>
    <message>
        <source>Restart Strain</source>
        <translation>Verformung neu beginnen</translation>
    </message>
    <message>
        <source>This action cannot be undone.</source>
        <translation>Dieser Schritt kann nicht widerrufen werden.</translation>
    </message>
    <message>
        <source>Restart Strain pretends that the strain started here.</source>
        <translation>„Verformung neu beginnen“ tut so, als hätte die Verformung hier begonnen.</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Set Color</source>
        <translation>Farbe setzen</translation>
    </message>
    <message>
        <source>Pick Material Point</source>
        <translation>Materialpunkt wählen</translation>
    </message>
    <message>
        <source>Show Principal Axes</source>
        <translation>Hauptachsen zeigen</translation>
    </message>
    <message>
        <source>Hide Principal Axes</source>
        <translation>Hauptachsen ausblenden</translation>
    </message>
    <message>
        <source>Color by Stretch</source>
        <translation>Nach Streckung färben</translation>
    </message>
    <message>
        <source>Color Plainly</source>
        <translation>Einfarbig färben</translation>
    </message>
    <message>
        <source>Show Section</source>
        <translation>Schnitt zeigen</translation>
    </message>
    <message>
        <source>Hide Section</source>
        <translation>Schnitt ausblenden</translation>
    </message>
    <message>
        <source>Choose Section Plane</source>
        <translation>Schnittebene wählen</translation>
    </message>
    <message>
        <source>Set Section Dip Direction</source>
        <translation>Fallrichtung des Schnitts setzen</translation>
    </message>
    <message>
        <source>Set Section Dip</source>
        <translation>Fallwinkel des Schnitts setzen</translation>
    </message>
</context>
<context>
    <name>OrientationDocks</name>
    <message>
        <source>Stereonet</source>
        <translation>Stereonetz</translation>
    </message>
    <message>
        <source>Lines and Sections</source>
        <translation>Linien und Schnitte</translation>
    </message>
    <message>
        <source>Export Flinn Plot…</source>
        <translation>Flinn-Diagramm exportieren…</translation>
    </message>
    <message>
        <source>Export Stereonet…</source>
        <translation>Stereonetz exportieren…</translation>
    </message>
    <message>
        <source>Flinn plot</source>
        <translation>Flinn-Diagramm</translation>
    </message>
</context>
<context>
    <name>PlotExport</name>
    <message>
        <source>Use a name that ends in .svg or .png.</source>
        <translation>Verwenden Sie einen Namen, der auf .svg oder .png endet.</translation>
    </message>
    <message>
        <source>The drawing could not be made.</source>
        <translation>Die Zeichnung konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Export %1</source>
        <translation>%1 exportieren</translation>
    </message>
    <message>
        <source>SVG drawings (*.svg);;PNG pictures (*.png)</source>
        <translation>SVG-Zeichnungen (*.svg);;PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>The plot “%1” could not be saved.</source>
        <translation>Das Diagramm „%1“ konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren…</translation>
    </message>
</context>
<context>
    <name>Quorvel</name>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Revert To Saved</source>
        <translation>Zurück zur gespeicherten Fassung</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Widerrufen</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>%1 widerrufen</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>%1 wiederholen</translation>
    </message>
</context>
<context>
    <name>SectionPanel</name>
    <message>
        <source>Section: the strain ellipse in a plane through the centre</source>
        <translation>Schnitt: die Verformungsellipse in einer Ebene durch den Mittelpunkt</translation>
    </message>
    <message>
        <source>Show the section in the view</source>
        <translation>Schnitt in der Ansicht zeigen</translation>
    </message>
    <message>
        <source>Given by dip direction and dip</source>
        <translation>Durch Fallrichtung und Fallwinkel gegeben</translation>
    </message>
    <message>
        <source>XY (foliation)</source>
        <translation>XY (Schieferung)</translation>
    </message>
    <message>
        <source>YZ</source>
        <translation>YZ</translation>
    </message>
    <message>
        <source>XZ</source>
        <translation>XZ</translation>
    </message>
    <message>
        <source>&amp;Plane:</source>
        <translation>&amp;Ebene:</translation>
    </message>
    <message>
        <source>Dip &amp;direction°:</source>
        <translation>Fall&amp;richtung°:</translation>
    </message>
    <message>
        <source>D&amp;ip°:</source>
        <translation>Fall&amp;winkel°:</translation>
    </message>
    <message>
        <source>No ellipse: %1</source>
        <translation>Keine Ellipse: %1</translation>
    </message>
    <message>
        <source>Plane: dip direction %1°, dip %2°</source>
        <translation>Ebene: Fallrichtung %1°, Fallwinkel %2°</translation>
    </message>
    <message>
        <source>Axial ratio: %1</source>
        <translation>Achsenverhältnis: %1</translation>
    </message>
    <message>
        <source>Long axis: trend %1°, plunge %2°, rake %3°</source>
        <translation>Lange Achse: Azimut %1°, Abtauchen %2°, Rake %3°</translation>
    </message>
    <message>
        <source>Long axis: %1</source>
        <translation>Lange Achse: %1</translation>
    </message>
</context>
<context>
    <name>StereonetView</name>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Z</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>Stereonet</source>
        <translation>Stereonetz</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>XY plane (foliation)</source>
        <translation>XY-Ebene (Schieferung)</translation>
    </message>
    <message>
        <source>%1: trend %2°, plunge %3°</source>
        <translation>%1: Azimut %2°, Abtauchen %3°</translation>
    </message>
    <message>
        <source>ISA %1</source>
        <translation>ISA %1</translation>
    </message>
    <message>
        <source>Apophysis %1</source>
        <translation>Apophyse %1</translation>
    </message>
    <message>
        <source>XY plane (foliation): dip direction %1°, dip %2°</source>
        <translation>XY-Ebene (Schieferung): Fallrichtung %1°, Fallwinkel %2°</translation>
    </message>
</context>
<context>
    <name>StrainAnalysis</name>
    <message>
        <source>no distortion: S1 = S3</source>
        <translation>keine Verzerrung: S1 = S3</translation>
    </message>
    <message>
        <source>No distortion: the sphere keeps its shape (S1 = S2 = S3).</source>
        <translation>Keine Verzerrung: Die Kugel behält ihre Form (S1 = S2 = S3).</translation>
    </message>
    <message>
        <source>infinite: S2 = S3 (constriction)</source>
        <translation>unendlich: S2 = S3 (Konstriktion)</translation>
    </message>
    <message>
        <source>Singular: the sphere is flattened to a point (J = 0).</source>
        <translation>Singulär: Die Kugel ist zu einem Punkt zusammengedrückt (J = 0).</translation>
    </message>
    <message>
        <source>Singular: the sphere is flattened to a line (J = 0).</source>
        <translation>Singulär: Die Kugel ist zu einer Linie zusammengedrückt (J = 0).</translation>
    </message>
    <message>
        <source>Singular: the sphere is flattened to a plane (J = 0).</source>
        <translation>Singulär: Die Kugel ist zu einer Ebene zusammengedrückt (J = 0).</translation>
    </message>
    <message>
        <source>singular: flattened to a point</source>
        <translation>singulär: zu einem Punkt zusammengedrückt</translation>
    </message>
    <message>
        <source>singular: flattened to a line</source>
        <translation>singulär: zu einer Linie zusammengedrückt</translation>
    </message>
    <message>
        <source>singular: flattened to a plane</source>
        <translation>singulär: zu einer Ebene zusammengedrückt</translation>
    </message>
    <message>
        <source>the strain holds a value that is not a finite number</source>
        <translation>die Verformung enthält einen Wert, der keine endliche Zahl ist</translation>
    </message>
    <message>
        <source>Undefined: the strain holds a value that is not a finite number.</source>
        <translation>Undefiniert: Die Verformung enthält einen Wert, der keine endliche Zahl ist.</translation>
    </message>
    <message>
        <source>Inverted: J &lt; 0, the sphere is turned inside out (the deformation includes a reflection).</source>
        <translation>Umgestülpt: J &lt; 0, die Kugel ist von innen nach außen gekehrt (die Verformung enthält eine Spiegelung).</translation>
    </message>
    <message>
        <source>inverted: no proper rotation</source>
        <translation>umgestülpt: keine eigentliche Drehung</translation>
    </message>
    <message>
        <source>no rotation</source>
        <translation>keine Drehung</translation>
    </message>
    <message>
        <source>S1 axis x, y, z</source>
        <translation>S1-Achse x, y, z</translation>
    </message>
    <message>
        <source>S1 axis trend°, plunge°</source>
        <translation>S1-Achse Azimut°, Abtauchen°</translation>
    </message>
    <message>
        <source>S2 axis x, y, z</source>
        <translation>S2-Achse x, y, z</translation>
    </message>
    <message>
        <source>S2 axis trend°, plunge°</source>
        <translation>S2-Achse Azimut°, Abtauchen°</translation>
    </message>
    <message>
        <source>S3 axis x, y, z</source>
        <translation>S3-Achse x, y, z</translation>
    </message>
    <message>
        <source>S3 axis trend°, plunge°</source>
        <translation>S3-Achse Azimut°, Abtauchen°</translation>
    </message>
    <message>
        <source>Becomes S1: x, y, z</source>
        <translation>Wird S1: x, y, z</translation>
    </message>
    <message>
        <source>Becomes S1: trend°, plunge°</source>
        <translation>Wird S1: Azimut°, Abtauchen°</translation>
    </message>
    <message>
        <source>Becomes S2: x, y, z</source>
        <translation>Wird S2: x, y, z</translation>
    </message>
    <message>
        <source>Becomes S2: trend°, plunge°</source>
        <translation>Wird S2: Azimut°, Abtauchen°</translation>
    </message>
    <message>
        <source>Becomes S3: x, y, z</source>
        <translation>Wird S3: x, y, z</translation>
    </message>
    <message>
        <source>Becomes S3: trend°, plunge°</source>
        <translation>Wird S3: Azimut°, Abtauchen°</translation>
    </message>
    <message>
        <source>Stretches S1, S2, S3</source>
        <translation>Streckungen S1, S2, S3</translation>
    </message>
    <message>
        <source>Natural strains ε1, ε2, ε3</source>
        <translation>Logarithmische Dehnungen ε1, ε2, ε3</translation>
    </message>
    <message>
        <source>Centre x, y, z</source>
        <translation>Mittelpunkt x, y, z</translation>
    </message>
    <message>
        <source>Volume ratio J</source>
        <translation>Volumenverhältnis J</translation>
    </message>
    <message>
        <source>Flinn k</source>
        <translation>Flinn k</translation>
    </message>
    <message>
        <source>Flinn d</source>
        <translation>Flinn d</translation>
    </message>
    <message>
        <source>Ramsay K</source>
        <translation>Ramsay K</translation>
    </message>
    <message>
        <source>Lode ν</source>
        <translation>Lode ν</translation>
    </message>
    <message>
        <source>Octahedral shear εs</source>
        <translation>Oktaederscherung εs</translation>
    </message>
    <message>
        <source>Rotation angle°</source>
        <translation>Drehwinkel°</translation>
    </message>
    <message>
        <source>Rotation axis x, y, z</source>
        <translation>Drehachse x, y, z</translation>
    </message>
    <message>
        <source>no flow: L = 0</source>
        <translation>kein Fließen: L = 0</translation>
    </message>
    <message>
        <source>no steady flow: F has a negative real eigenvalue</source>
        <translation>kein stationäres Fließen: F hat einen negativen reellen Eigenwert</translation>
    </message>
    <message>
        <source>no real apophyses: a rigid rotation</source>
        <translation>keine reellen Apophysen: eine starre Drehung</translation>
    </message>
    <message>
        <source>no real apophyses: Wk &gt; 1</source>
        <translation>keine reellen Apophysen: Wk &gt; 1</translation>
    </message>
    <message>
        <source>no real apophyses: the flow turns every line normal to its vorticity</source>
        <translation>keine reellen Apophysen: das Fließen dreht jede Linie senkrecht zu seiner Vortizität</translation>
    </message>
    <message>
        <source>infinite: a rigid rotation (D = 0)</source>
        <translation>unendlich: eine starre Drehung (D = 0)</translation>
    </message>
    <message>
        <source>no steady flow: F is singular (J = 0)</source>
        <translation>kein stationäres Fließen: F ist singulär (J = 0)</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Fließen</translation>
    </message>
    <message>
        <source>Velocity gradient L, row 1</source>
        <translation>Geschwindigkeitsgradient L, Zeile 1</translation>
    </message>
    <message>
        <source>Velocity gradient L, row 2</source>
        <translation>Geschwindigkeitsgradient L, Zeile 2</translation>
    </message>
    <message>
        <source>Velocity gradient L, row 3</source>
        <translation>Geschwindigkeitsgradient L, Zeile 3</translation>
    </message>
    <message>
        <source>Time t</source>
        <translation>Zeit t</translation>
    </message>
    <message>
        <source>Stretching D, row 1</source>
        <translation>Streckungstensor D, Zeile 1</translation>
    </message>
    <message>
        <source>Stretching D, row 2</source>
        <translation>Streckungstensor D, Zeile 2</translation>
    </message>
    <message>
        <source>Stretching D, row 3</source>
        <translation>Streckungstensor D, Zeile 3</translation>
    </message>
    <message>
        <source>Spin W, row 1</source>
        <translation>Spintensor W, Zeile 1</translation>
    </message>
    <message>
        <source>Spin W, row 2</source>
        <translation>Spintensor W, Zeile 2</translation>
    </message>
    <message>
        <source>Spin W, row 3</source>
        <translation>Spintensor W, Zeile 3</translation>
    </message>
    <message>
        <source>Kinematic vorticity Wk</source>
        <translation>Kinematische Vortizitätszahl Wk</translation>
    </message>
    <message>
        <source>Vorticity x, y, z</source>
        <translation>Vortizität x, y, z</translation>
    </message>
    <message>
        <source>Volume change rate tr L</source>
        <translation>Volumenänderungsrate tr L</translation>
    </message>
    <message>
        <source>Stretching axis 1 trend°, plunge°, rate</source>
        <translation>Streckungsachse 1 Azimut°, Abtauchen°, Rate</translation>
    </message>
    <message>
        <source>Stretching axis 2 trend°, plunge°, rate</source>
        <translation>Streckungsachse 2 Azimut°, Abtauchen°, Rate</translation>
    </message>
    <message>
        <source>Stretching axis 3 trend°, plunge°, rate</source>
        <translation>Streckungsachse 3 Azimut°, Abtauchen°, Rate</translation>
    </message>
    <message>
        <source>Apophysis 1 trend°, plunge°, rate</source>
        <translation>Apophyse 1 Azimut°, Abtauchen°, Rate</translation>
    </message>
    <message>
        <source>Apophysis 2 trend°, plunge°, rate</source>
        <translation>Apophyse 2 Azimut°, Abtauchen°, Rate</translation>
    </message>
    <message>
        <source>Apophysis 3 trend°, plunge°, rate</source>
        <translation>Apophyse 3 Azimut°, Abtauchen°, Rate</translation>
    </message>
    <message>
        <source>Apophyses</source>
        <translation>Apophysen</translation>
    </message>
    <message>
        <source>Steady flow in unit time</source>
        <translation>Stationäres Fließen in der Zeiteinheit</translation>
    </message>
    <message>
        <source>Steady flow in unit time, L row 1</source>
        <translation>Stationäres Fließen in der Zeiteinheit, L Zeile 1</translation>
    </message>
    <message>
        <source>Steady flow in unit time, L row 2</source>
        <translation>Stationäres Fließen in der Zeiteinheit, L Zeile 2</translation>
    </message>
    <message>
        <source>Steady flow in unit time, L row 3</source>
        <translation>Stationäres Fließen in der Zeiteinheit, L Zeile 3</translation>
    </message>
    <message>
        <source>Steady flow&apos;s Wk</source>
        <translation>Wk des stationären Fließens</translation>
    </message>
    <message>
        <source>the saved strain is singular: the line&apos;s first direction is lost</source>
        <translation>die gespeicherte Verformung ist singulär: die ursprüngliche Richtung der Linie ist verloren</translation>
    </message>
    <message>
        <source>no line: the point is the centre</source>
        <translation>keine Linie: der Punkt ist der Mittelpunkt</translation>
    </message>
    <message>
        <source>singular: the line is flattened to a point</source>
        <translation>singulär: die Linie ist zu einem Punkt zusammengedrückt</translation>
    </message>
    <message>
        <source>the lines did not begin perpendicular</source>
        <translation>die Linien standen anfangs nicht senkrecht aufeinander</translation>
    </message>
    <message>
        <source>singular: J = 0</source>
        <translation>singulär: J = 0</translation>
    </message>
    <message>
        <source>any direction: the section is a circle</source>
        <translation>jede Richtung: der Schnitt ist ein Kreis</translation>
    </message>
    <message>
        <source>any direction: S1 = S2 = S3</source>
        <translation>jede Richtung: S1 = S2 = S3</translation>
    </message>
    <message>
        <source>any line ⊥ X: S2 = S3</source>
        <translation>jede Linie ⊥ X: S2 = S3</translation>
    </message>
    <message>
        <source>any line ⊥ Z: S1 = S2</source>
        <translation>jede Linie ⊥ Z: S1 = S2</translation>
    </message>
    <message>
        <source>any plane: S1 = S2 = S3</source>
        <translation>jede Ebene: S1 = S2 = S3</translation>
    </message>
    <message>
        <source>any plane through X: S2 = S3</source>
        <translation>jede Ebene durch X: S2 = S3</translation>
    </message>
    <message>
        <source>Quadratic elongations λ1, λ2, λ3</source>
        <translation>Quadratische Elongationen λ1, λ2, λ3</translation>
    </message>
    <message>
        <source>Strain ratios Rxy, Ryz, Rxz</source>
        <translation>Achsenverhältnisse Rxy, Ryz, Rxz</translation>
    </message>
    <message>
        <source>Ramsay D</source>
        <translation>Ramsay D</translation>
    </message>
    <message>
        <source>Volume change ΔV %</source>
        <translation>Volumenänderung ΔV %</translation>
    </message>
    <message>
        <source>Symmetry class</source>
        <translation>Symmetrieklasse</translation>
    </message>
    <message>
        <source>Lineation X trend°, plunge°</source>
        <translation>Lineation X Azimut°, Abtauchen°</translation>
    </message>
    <message>
        <source>Foliation XY dip direction°, dip°</source>
        <translation>Foliation XY Fallrichtung°, Fallwinkel°</translation>
    </message>
</context>
<context>
    <name>StrainPlot</name>
    <message>
        <source>Constriction (k &gt; 1)</source>
        <translation>Konstriktion (k &gt; 1)</translation>
    </message>
    <message>
        <source>Flattening (k &lt; 1)</source>
        <translation>Plättung (k &lt; 1)</translation>
    </message>
    <message>
        <source>Constriction (ν &lt; 0)</source>
        <translation>Konstriktion (ν &lt; 0)</translation>
    </message>
    <message>
        <source>Flattening (ν &gt; 0)</source>
        <translation>Plättung (ν &gt; 0)</translation>
    </message>
    <message>
        <source>ln(S2/S3)</source>
        <translation>ln(S2/S3)</translation>
    </message>
    <message>
        <source>ln(S1/S2)</source>
        <translation>ln(S1/S2)</translation>
    </message>
    <message>
        <source>Plane strain at J</source>
        <translation>Ebene Verformung bei J</translation>
    </message>
    <message>
        <source>Slider path</source>
        <translation>Weg des Reglers</translation>
    </message>
    <message>
        <source>Present state</source>
        <translation>Jetziger Zustand</translation>
    </message>
    <message>
        <source>Flinn plot</source>
        <translation>Flinn-Diagramm</translation>
    </message>
    <message>
        <source>Hsu plot</source>
        <translation>Hsu-Diagramm</translation>
    </message>
    <message>
        <source>k = 1</source>
        <translation>k = 1</translation>
    </message>
    <message>
        <source>ν = 0</source>
        <translation>ν = 0</translation>
    </message>
</context>
</TS>
