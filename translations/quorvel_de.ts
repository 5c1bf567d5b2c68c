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
        <source>Flinn plot</source>
        <translation>Flinn-Diagramm</translation>
    </message>
    <message>
        <source>Slider path</source>
        <translation>Weg des Reglers</translation>
    </message>
    <message>
        <source>k = 1</source>
        <translation>k = 1</translation>
    </message>
    <message>
        <source>Present state</source>
        <translation>Jetziger Zustand</translation>
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
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Forget the path that the animation slider traced</source>
        <translation>Den Weg vergessen, den der Animationsregler gezeichnet hat</translation>
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
</context>
</TS>
