<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>PublishingTab</name>
    <message>
        <source>Please type a page range.</source>
        <translation>Veuillez saisir une plage de pages.</translation>
    </message>
    <message>
        <source>Please enter your specified pages.</source>
        <translation>Veuillez saisir les pages voulues.</translation>
    </message>
    <message>
        <source>You can only insert up to 50 pages.</source>
        <translation>Vous ne pouvez insérer que 50 pages au maximum.</translation>
    </message>
    <message>
        <source>You can only enter page numbers between 3 and 511</source>
        <translation>Vous ne pouvez saisir que des numéros de page entre 3 et 511</translation>
    </message>
    <message>
        <source>You can only enter page numbers between 2 and 511</source>
        <translation>Vous ne pouvez saisir que des numéros de page entre 2 et 511</translation>
    </message>
    <message>
        <source>Cover mode:</source>
        <translation>Couverture :</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>Front and back</source>
        <translation>Avant et arrière</translation>
    </message>
    <message>
        <source>Print onto:</source>
        <translation>Imprimer sur :</translation>
    </message>
    <message>
        <source>Outside</source>
        <translation>Extérieur</translation>
    </message>
    <message>
        <source>Inside</source>
        <translation>Intérieur</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Arrière</translation>
    </message>
    <message>
        <source>Media for cover:</source>
        <translation>Support de couverture :</translation>
    </message>
    <message>
        <source>Page insert:</source>
        <translation>Insertion de pages :</translation>
    </message>
    <message>
        <source>Print onto front</source>
        <translation>Imprimer au recto</translation>
    </message>
    <message>
        <source>Print onto back</source>
        <translation>Imprimer au verso</translation>
    </message>
    <message>
        <source>Insert before pages:</source>
        <translation>Insérer avant les pages :</translation>
    </message>
    <message>
        <source>Media for page:</source>
        <translation>Support des pages :</translation>
    </message>
    <message>
        <source>Transparency interleaving:</source>
        <translation>Intercalaires de transparents :</translation>
    </message>
    <message>
        <source>Print onto backing</source>
        <translation>Imprimer les intercalaires</translation>
    </message>
    <message>
        <source>Media for backing:</source>
        <translation>Support des intercalaires :</translation>
    </message>
</context>
</TS>
