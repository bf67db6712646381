-- Seed data of the template database, loaded right after schema.sql.
-- Shared reference data (colours, trees, geography, firms, value lists)
-- and one sample dossier so that a first start opens on a living cellar.
-- Ids are explicit so that the links below can be read at a glance.
-- Dates are ISO text (yyyy-mm-dd), as the program stores them.

-- ============================================================ Colours
-- Colour values are red + 256*green + 65536*blue. The first three rows
-- (lowest ids) cannot be deleted by the user, so they hold the three
-- basic wine colours.
INSERT INTO WINE_COLOR (Id, Id_File, Title, BackGroundColor, TextColor, Intensity, Comment) VALUES
  (1, -1, 'Rouge', 2954390, 16777215, 0, ''),  -- background 150,20,45 - text white
  (2, -1, 'Blanc', 11200750, 0, 0, ''),  -- background 238,232,170 - text black
  (3, -1, 'Rosé', 10524402, 0, 0, ''),  -- background 242,150,160 - text black
  (4, -1, 'Jaune', 3324385, 0, 0, ''),  -- background 225,185,50 - text black
  (5, -1, 'Doré', 2332365, 0, 0, ''),  -- background 205,150,35 - text black
  (6, -1, 'Orange', 2654950, 0, 0, ''),  -- background 230,130,40 - text black
  (7, -1, 'Ambré', 1990570, 16777215, 0, ''),  -- background 170,95,30 - text white
  (8, -1, 'Incolore', 16117995, 0, 0, '');  -- background 235,240,245 - text black

-- ============================================================ Characteristics tree
-- Stored flat in depth-first order: a branch (level 0) followed by its
-- values (level 1). NodePos counts from 0 over the whole tree, which is
-- also what the organiser writes back. The program finds the branches by
-- title, so no value may carry a branch title. Food pairings must not
-- contain ", " (the separator of WINE.Food).
INSERT INTO TREE_MISC (Id, Id_File, NodeTitle, NodeLevel, NodePos) VALUES
  (1, NULL, 'Catégorie', 0, 0),  -- branch
  (2, NULL, 'Vin tranquille', 1, 1),
  (3, NULL, 'Vin effervescent', 1, 2),
  (4, NULL, 'Champagne', 1, 3),
  (5, NULL, 'Crémant', 1, 4),
  (6, NULL, 'Vin moelleux', 1, 5),
  (7, NULL, 'Vin liquoreux', 1, 6),
  (8, NULL, 'Vin doux naturel', 1, 7),
  (9, NULL, 'Vin de liqueur', 1, 8),
  (10, NULL, 'Vin de voile', 1, 9),
  (11, NULL, 'Porto', 1, 10),
  (12, NULL, 'Xérès', 1, 11),
  (13, NULL, 'Cidre', 1, 12),
  (14, NULL, 'Whisky', 1, 13),
  (15, NULL, 'Cognac', 1, 14),
  (16, NULL, 'Armagnac', 1, 15),
  (17, NULL, 'Calvados', 1, 16),
  (18, NULL, 'Rhum', 1, 17),
  (19, NULL, 'Eau-de-vie', 1, 18),
  (20, NULL, 'Gin', 1, 19),
  (21, NULL, 'Vodka', 1, 20),
  (22, NULL, 'Liqueur', 1, 21),
  (23, NULL, 'Cépage', 0, 22),  -- branch
  (24, NULL, 'Cabernet Sauvignon', 1, 23),
  (25, NULL, 'Cabernet Franc', 1, 24),
  (26, NULL, 'Merlot', 1, 25),
  (27, NULL, 'Malbec (Côt)', 1, 26),
  (28, NULL, 'Petit Verdot', 1, 27),
  (29, NULL, 'Pinot noir', 1, 28),
  (30, NULL, 'Pinot meunier', 1, 29),
  (31, NULL, 'Gamay', 1, 30),
  (32, NULL, 'Syrah', 1, 31),
  (33, NULL, 'Grenache', 1, 32),
  (34, NULL, 'Mourvèdre', 1, 33),
  (35, NULL, 'Carignan', 1, 34),
  (36, NULL, 'Cinsault', 1, 35),
  (37, NULL, 'Tannat', 1, 36),
  (38, NULL, 'Négrette', 1, 37),
  (39, NULL, 'Poulsard', 1, 38),
  (40, NULL, 'Trousseau', 1, 39),
  (41, NULL, 'Mondeuse', 1, 40),
  (42, NULL, 'Nebbiolo', 1, 41),
  (43, NULL, 'Sangiovese', 1, 42),
  (44, NULL, 'Tempranillo', 1, 43),
  (45, NULL, 'Zinfandel', 1, 44),
  (46, NULL, 'Chardonnay', 1, 45),
  (47, NULL, 'Sauvignon blanc', 1, 46),
  (48, NULL, 'Sémillon', 1, 47),
  (49, NULL, 'Muscadelle', 1, 48),
  (50, NULL, 'Chenin blanc', 1, 49),
  (51, NULL, 'Melon de Bourgogne', 1, 50),
  (52, NULL, 'Aligoté', 1, 51),
  (53, NULL, 'Riesling', 1, 52),
  (54, NULL, 'Gewurztraminer', 1, 53),
  (55, NULL, 'Pinot gris', 1, 54),
  (56, NULL, 'Pinot blanc', 1, 55),
  (57, NULL, 'Sylvaner', 1, 56),
  (58, NULL, 'Muscat', 1, 57),
  (59, NULL, 'Viognier', 1, 58),
  (60, NULL, 'Marsanne', 1, 59),
  (61, NULL, 'Roussanne', 1, 60),
  (62, NULL, 'Grenache blanc', 1, 61),
  (63, NULL, 'Vermentino (Rolle)', 1, 62),
  (64, NULL, 'Savagnin', 1, 63),
  (65, NULL, 'Jacquère', 1, 64),
  (66, NULL, 'Petit Manseng', 1, 65),
  (67, NULL, 'Gros Manseng', 1, 66),
  (68, NULL, 'Mauzac', 1, 67),
  (69, NULL, 'Ugni blanc', 1, 68),
  (70, NULL, 'Colombard', 1, 69),
  (71, NULL, 'Grüner Veltliner', 1, 70),
  (72, NULL, 'Albariño', 1, 71),
  (73, NULL, 'Assemblage', 1, 72),
  (74, NULL, 'Classement', 0, 73),  -- branch
  (75, NULL, 'Premier grand cru classé', 1, 74),
  (76, NULL, 'Grand cru classé', 1, 75),
  (77, NULL, 'Premier cru classé', 1, 76),
  (78, NULL, 'Deuxième cru classé', 1, 77),
  (79, NULL, 'Cru classé', 1, 78),
  (80, NULL, 'Grand cru', 1, 79),
  (81, NULL, 'Premier cru', 1, 80),
  (82, NULL, 'Cru bourgeois', 1, 81),
  (83, NULL, 'Cru bourgeois supérieur', 1, 82),
  (84, NULL, 'Cru bourgeois exceptionnel', 1, 83),
  (85, NULL, 'Cru artisan', 1, 84),
  (86, NULL, 'AOC', 1, 85),
  (87, NULL, 'AOP', 1, 86),
  (88, NULL, 'IGP', 1, 87),
  (89, NULL, 'Vin de France', 1, 88),
  (90, NULL, 'DOC', 1, 89),
  (91, NULL, 'DOCG', 1, 90),
  (92, NULL, 'DOCa', 1, 91),
  (93, NULL, 'Prädikatswein', 1, 92),
  (94, NULL, 'VS', 1, 93),
  (95, NULL, 'VSOP', 1, 94),
  (96, NULL, 'XO', 1, 95),
  (97, NULL, 'Hors d''âge', 1, 96),
  (98, NULL, 'Format', 0, 97),  -- branch
  (99, NULL, 'Piccolo (20 cl)', 1, 98),
  (100, NULL, 'Demi-bouteille (35 cl)', 1, 99),
  (101, NULL, 'Demi-bouteille (37,5 cl)', 1, 100),
  (102, NULL, 'Pot lyonnais (46 cl)', 1, 101),
  (103, NULL, 'Bouteille (50 cl)', 1, 102),
  (104, NULL, 'Clavelin (62 cl)', 1, 103),
  (105, NULL, 'Bouteille (70 cl)', 1, 104),
  (106, NULL, 'Bouteille (75 cl)', 1, 105),
  (107, NULL, 'Litre (1 l)', 1, 106),
  (108, NULL, 'Magnum (1,5 l)', 1, 107),
  (109, NULL, 'Marie-Jeanne (2,25 l)', 1, 108),
  (110, NULL, 'Jéroboam (3 l)', 1, 109),
  (111, NULL, 'Réhoboam (4,5 l)', 1, 110),
  (112, NULL, 'Mathusalem (6 l)', 1, 111),
  (113, NULL, 'Impériale (6 l)', 1, 112),
  (114, NULL, 'Salmanazar (9 l)', 1, 113),
  (115, NULL, 'Balthazar (12 l)', 1, 114),
  (116, NULL, 'Nabuchodonosor (15 l)', 1, 115),
  (117, NULL, 'Alliance mets-vins', 0, 116),  -- branch
  (118, NULL, 'Apéritif', 1, 117),
  (119, NULL, 'Huîtres', 1, 118),
  (120, NULL, 'Fruits de mer', 1, 119),
  (121, NULL, 'Crustacés', 1, 120),
  (122, NULL, 'Poissons grillés', 1, 121),
  (123, NULL, 'Poissons en sauce', 1, 122),
  (124, NULL, 'Sushis', 1, 123),
  (125, NULL, 'Charcuterie', 1, 124),
  (126, NULL, 'Foie gras', 1, 125),
  (127, NULL, 'Volailles rôties', 1, 126),
  (128, NULL, 'Volailles à la crème', 1, 127),
  (129, NULL, 'Viandes blanches', 1, 128),
  (130, NULL, 'Viandes rouges grillées', 1, 129),
  (131, NULL, 'Bœuf en sauce', 1, 130),
  (132, NULL, 'Agneau', 1, 131),
  (133, NULL, 'Gibier', 1, 132),
  (134, NULL, 'Plats mijotés', 1, 133),
  (135, NULL, 'Cuisine méditerranéenne', 1, 134),
  (136, NULL, 'Cuisine épicée', 1, 135),
  (137, NULL, 'Grillades et barbecue', 1, 136),
  (138, NULL, 'Pâtes et pizzas', 1, 137),
  (139, NULL, 'Fromages de chèvre', 1, 138),
  (140, NULL, 'Fromages à pâte molle', 1, 139),
  (141, NULL, 'Fromages à pâte pressée', 1, 140),
  (142, NULL, 'Fromages à pâte persillée', 1, 141),
  (143, NULL, 'Desserts aux fruits', 1, 142),
  (144, NULL, 'Desserts au chocolat', 1, 143),
  (145, NULL, 'Pâtisseries', 1, 144),
  (146, NULL, 'Digestif', 1, 145),
  (147, NULL, 'Cigare', 1, 146);

-- ============================================================ Cellar locations
-- One top node "Localisations", the places are its descendants. A bottle line
-- stores the path below the root, titles joined by "/", for instance
-- "Cave/Casier A/Rangée 1" or "Bar".
INSERT INTO TREE_LOCATION (Id, Id_File, NodeTitle, NodeLevel, NodePos) VALUES
  (1, NULL, 'Localisations', 0, 0),
  (2, NULL, 'Cave', 1, 1),
  (3, NULL, 'Casier A', 2, 2),
  (4, NULL, 'Rangée 1', 3, 3),
  (5, NULL, 'Rangée 2', 3, 4),
  (6, NULL, 'Rangée 3', 3, 5),
  (7, NULL, 'Casier B', 2, 6),
  (8, NULL, 'Rangée 1', 3, 7),
  (9, NULL, 'Rangée 2', 3, 8),
  (10, NULL, 'Caisses bois', 2, 9),
  (11, NULL, 'Cellier', 1, 10),
  (12, NULL, 'Armoire à vin', 2, 11),
  (13, NULL, 'Clayette 1', 3, 12),
  (14, NULL, 'Clayette 2', 3, 13),
  (15, NULL, 'Clayette 3', 3, 14),
  (16, NULL, 'Étagère', 2, 15),
  (17, NULL, 'Bar', 1, 16);

-- ============================================================ Geography
-- Countries are shared rows (Id_File -1). Regions point to their country,
-- appellations to their region. French regions take ids 1 to 17, the
-- other regions start at 21, and an appellation id is its region id
-- times 100 plus its rank, so 305 is the fifth appellation of region 3.
INSERT INTO WINE_COUNTRY (Id, Id_File, Title) VALUES
  (1, -1, 'France'),
  (2, -1, 'Italie'),
  (3, -1, 'Espagne'),
  (4, -1, 'Portugal'),
  (5, -1, 'Allemagne'),
  (6, -1, 'Autriche'),
  (7, -1, 'Suisse'),
  (8, -1, 'Hongrie'),
  (9, -1, 'Grèce'),
  (10, -1, 'Roumanie'),
  (11, -1, 'Géorgie'),
  (12, -1, 'Liban'),
  (13, -1, 'États-Unis'),
  (14, -1, 'Canada'),
  (15, -1, 'Chili'),
  (16, -1, 'Argentine'),
  (17, -1, 'Uruguay'),
  (18, -1, 'Afrique du Sud'),
  (19, -1, 'Australie'),
  (20, -1, 'Nouvelle-Zélande'),
  (21, -1, 'Écosse'),
  (22, -1, 'Irlande'),
  (23, -1, 'Japon'),
  (24, -1, 'Luxembourg');

INSERT INTO WINE_REGION (Id, Id_File, Id_Country, Title) VALUES
  (1, NULL, 1, 'Alsace'),  -- France
  (2, NULL, 1, 'Beaujolais'),
  (3, NULL, 1, 'Bordeaux'),
  (4, NULL, 1, 'Bourgogne'),
  (5, NULL, 1, 'Champagne'),
  (6, NULL, 1, 'Corse'),
  (7, NULL, 1, 'Jura'),
  (8, NULL, 1, 'Languedoc-Roussillon'),
  (9, NULL, 1, 'Provence'),
  (10, NULL, 1, 'Savoie'),
  (11, NULL, 1, 'Sud-Ouest'),
  (12, NULL, 1, 'Val de Loire'),
  (13, NULL, 1, 'Vallée du Rhône'),
  (14, NULL, 1, 'Cognac'),
  (15, NULL, 1, 'Armagnac'),
  (16, NULL, 1, 'Normandie'),
  (17, NULL, 1, 'Martinique'),
  (21, NULL, 2, 'Piémont'),  -- Italie
  (22, NULL, 2, 'Toscane'),
  (23, NULL, 2, 'Vénétie'),
  (24, NULL, 2, 'Sicile'),
  (25, NULL, 2, 'Pouilles'),
  (26, NULL, 3, 'Rioja'),  -- Espagne
  (27, NULL, 3, 'Castille-et-León'),
  (28, NULL, 3, 'Catalogne'),
  (29, NULL, 3, 'Andalousie'),
  (30, NULL, 3, 'Galice'),
  (31, NULL, 4, 'Douro'),  -- Portugal
  (32, NULL, 4, 'Minho'),
  (33, NULL, 4, 'Alentejo'),
  (34, NULL, 4, 'Madère'),
  (35, NULL, 5, 'Moselle'),  -- Allemagne
  (36, NULL, 5, 'Rheingau'),
  (37, NULL, 5, 'Palatinat'),
  (38, NULL, 5, 'Hesse rhénane'),
  (39, NULL, 6, 'Basse-Autriche'),  -- Autriche
  (40, NULL, 6, 'Burgenland'),
  (41, NULL, 7, 'Valais'),  -- Suisse
  (42, NULL, 7, 'Vaud'),
  (43, NULL, 7, 'Genève'),
  (44, NULL, 8, 'Tokaj'),  -- Hongrie
  (45, NULL, 9, 'Macédoine'),  -- Grèce
  (46, NULL, 9, 'Péloponnèse'),
  (47, NULL, 9, 'Cyclades'),
  (48, NULL, 12, 'Vallée de la Bekaa'),  -- Liban
  (49, NULL, 13, 'Californie'),  -- États-Unis
  (50, NULL, 13, 'Oregon'),
  (51, NULL, 13, 'Washington'),
  (52, NULL, 15, 'Vallée centrale'),  -- Chili
  (53, NULL, 15, 'Aconcagua'),
  (54, NULL, 16, 'Mendoza'),  -- Argentine
  (55, NULL, 16, 'Salta'),
  (56, NULL, 18, 'Cap-Occidental'),  -- Afrique du Sud
  (57, NULL, 19, 'Australie-Méridionale'),  -- Australie
  (58, NULL, 19, 'Australie-Occidentale'),
  (59, NULL, 19, 'Victoria'),
  (60, NULL, 20, 'Marlborough'),  -- Nouvelle-Zélande
  (61, NULL, 20, 'Hawke''s Bay'),
  (62, NULL, 20, 'Central Otago'),
  (63, NULL, 21, 'Speyside'),  -- Écosse
  (64, NULL, 21, 'Highlands'),
  (65, NULL, 21, 'Islay'),
  (66, NULL, 21, 'Lowlands'),
  (67, NULL, 21, 'Campbeltown'),
  (68, NULL, 11, 'Kakhétie');  -- Géorgie

INSERT INTO WINE_APPELLATION (Id, Id_File, Id_Region, Id_Color, Title) VALUES
  (101, NULL, 1, -1, 'Alsace'),  -- Alsace
  (102, NULL, 1, -1, 'Alsace grand cru'),
  (103, NULL, 1, -1, 'Crémant d''Alsace'),
  (104, NULL, 1, -1, 'Alsace grand cru Schlossberg'),
  (105, NULL, 1, -1, 'Alsace grand cru Rangen'),
  (106, NULL, 1, -1, 'Alsace grand cru Brand'),
  (107, NULL, 1, -1, 'Alsace grand cru Hengst'),
  (108, NULL, 1, -1, 'Alsace grand cru Sommerberg'),
  (109, NULL, 1, -1, 'Alsace grand cru Zotzenberg'),
  (110, NULL, 1, -1, 'Alsace grand cru Altenberg de Bergheim'),
  (111, NULL, 1, -1, 'Alsace grand cru Kitterlé'),
  (201, NULL, 2, -1, 'Beaujolais'),  -- Beaujolais
  (202, NULL, 2, -1, 'Beaujolais-Villages'),
  (203, NULL, 2, -1, 'Brouilly'),
  (204, NULL, 2, -1, 'Côte de Brouilly'),
  (205, NULL, 2, -1, 'Chénas'),
  (206, NULL, 2, -1, 'Chiroubles'),
  (207, NULL, 2, -1, 'Fleurie'),
  (208, NULL, 2, -1, 'Juliénas'),
  (209, NULL, 2, -1, 'Morgon'),
  (210, NULL, 2, -1, 'Moulin-à-Vent'),
  (211, NULL, 2, -1, 'Régnié'),
  (212, NULL, 2, -1, 'Saint-Amour'),
  (213, NULL, 2, -1, 'Coteaux du Lyonnais'),
  (301, NULL, 3, -1, 'Bordeaux'),  -- Bordeaux
  (302, NULL, 3, -1, 'Bordeaux Supérieur'),
  (303, NULL, 3, -1, 'Crémant de Bordeaux'),
  (304, NULL, 3, -1, 'Médoc'),
  (305, NULL, 3, -1, 'Haut-Médoc'),
  (306, NULL, 3, -1, 'Margaux'),
  (307, NULL, 3, -1, 'Moulis-en-Médoc'),
  (308, NULL, 3, -1, 'Listrac-Médoc'),
  (309, NULL, 3, -1, 'Saint-Julien'),
  (310, NULL, 3, -1, 'Pauillac'),
  (311, NULL, 3, -1, 'Saint-Estèphe'),
  (312, NULL, 3, -1, 'Graves'),
  (313, NULL, 3, -1, 'Pessac-Léognan'),
  (314, NULL, 3, -1, 'Sauternes'),
  (315, NULL, 3, -1, 'Barsac'),
  (316, NULL, 3, -1, 'Loupiac'),
  (317, NULL, 3, -1, 'Entre-deux-Mers'),
  (318, NULL, 3, -1, 'Saint-Émilion'),
  (319, NULL, 3, -1, 'Saint-Émilion grand cru'),
  (320, NULL, 3, -1, 'Pomerol'),
  (321, NULL, 3, -1, 'Lalande-de-Pomerol'),
  (322, NULL, 3, -1, 'Fronsac'),
  (323, NULL, 3, -1, 'Montagne-Saint-Émilion'),
  (324, NULL, 3, -1, 'Côtes de Bourg'),
  (325, NULL, 3, -1, 'Blaye Côtes de Bordeaux'),
  (326, NULL, 3, -1, 'Castillon Côtes de Bordeaux'),
  (401, NULL, 4, -1, 'Bourgogne'),  -- Bourgogne
  (402, NULL, 4, -1, 'Bourgogne Aligoté'),
  (403, NULL, 4, -1, 'Coteaux bourguignons'),
  (404, NULL, 4, -1, 'Crémant de Bourgogne'),
  (405, NULL, 4, -1, 'Chablis'),
  (406, NULL, 4, -1, 'Chablis premier cru'),
  (407, NULL, 4, -1, 'Chablis grand cru'),
  (408, NULL, 4, -1, 'Irancy'),
  (409, NULL, 4, -1, 'Gevrey-Chambertin'),
  (410, NULL, 4, -1, 'Chambertin'),
  (411, NULL, 4, -1, 'Morey-Saint-Denis'),
  (412, NULL, 4, -1, 'Chambolle-Musigny'),
  (413, NULL, 4, -1, 'Clos de Vougeot'),
  (414, NULL, 4, -1, 'Vosne-Romanée'),
  (415, NULL, 4, -1, 'Nuits-Saint-Georges'),
  (416, NULL, 4, -1, 'Corton'),
  (417, NULL, 4, -1, 'Corton-Charlemagne'),
  (418, NULL, 4, -1, 'Savigny-lès-Beaune'),
  (419, NULL, 4, -1, 'Beaune'),
  (420, NULL, 4, -1, 'Pommard'),
  (421, NULL, 4, -1, 'Volnay'),
  (422, NULL, 4, -1, 'Meursault'),
  (423, NULL, 4, -1, 'Puligny-Montrachet'),
  (424, NULL, 4, -1, 'Chassagne-Montrachet'),
  (425, NULL, 4, -1, 'Montrachet'),
  (426, NULL, 4, -1, 'Santenay'),
  (427, NULL, 4, -1, 'Mercurey'),
  (428, NULL, 4, -1, 'Givry'),
  (429, NULL, 4, -1, 'Rully'),
  (430, NULL, 4, -1, 'Mâcon-Villages'),
  (431, NULL, 4, -1, 'Pouilly-Fuissé'),
  (432, NULL, 4, -1, 'Saint-Véran'),
  (501, NULL, 5, -1, 'Champagne'),  -- Champagne
  (502, NULL, 5, -1, 'Coteaux champenois'),
  (503, NULL, 5, -1, 'Rosé des Riceys'),
  (601, NULL, 6, -1, 'Vin de Corse'),  -- Corse
  (602, NULL, 6, -1, 'Ajaccio'),
  (603, NULL, 6, -1, 'Patrimonio'),
  (604, NULL, 6, -1, 'Vin de Corse Calvi'),
  (605, NULL, 6, -1, 'Vin de Corse Porto-Vecchio'),
  (606, NULL, 6, -1, 'Vin de Corse Sartène'),
  (607, NULL, 6, -1, 'Muscat du Cap Corse'),
  (701, NULL, 7, -1, 'Arbois'),  -- Jura
  (702, NULL, 7, -1, 'Château-Chalon'),
  (703, NULL, 7, -1, 'Côtes du Jura'),
  (704, NULL, 7, -1, 'L''Étoile'),
  (705, NULL, 7, -1, 'Crémant du Jura'),
  (706, NULL, 7, -1, 'Macvin du Jura'),
  (801, NULL, 8, -1, 'Languedoc'),  -- Languedoc-Roussillon
  (802, NULL, 8, -1, 'Pic-Saint-Loup'),
  (803, NULL, 8, -1, 'Terrasses du Larzac'),
  (804, NULL, 8, -1, 'Faugères'),
  (805, NULL, 8, -1, 'Saint-Chinian'),
  (806, NULL, 8, -1, 'Minervois'),
  (807, NULL, 8, -1, 'Minervois-La Livinière'),
  (808, NULL, 8, -1, 'Corbières'),
  (809, NULL, 8, -1, 'Fitou'),
  (810, NULL, 8, -1, 'La Clape'),
  (811, NULL, 8, -1, 'Limoux'),
  (812, NULL, 8, -1, 'Blanquette de Limoux'),
  (813, NULL, 8, -1, 'Crémant de Limoux'),
  (814, NULL, 8, -1, 'Picpoul de Pinet'),
  (815, NULL, 8, -1, 'Muscat de Frontignan'),
  (816, NULL, 8, -1, 'Côtes du Roussillon'),
  (817, NULL, 8, -1, 'Côtes du Roussillon Villages'),
  (818, NULL, 8, -1, 'Collioure'),
  (819, NULL, 8, -1, 'Banyuls'),
  (820, NULL, 8, -1, 'Maury'),
  (821, NULL, 8, -1, 'Rivesaltes'),
  (822, NULL, 8, -1, 'Muscat de Rivesaltes'),
  (901, NULL, 9, -1, 'Côtes de Provence'),  -- Provence
  (902, NULL, 9, -1, 'Côtes de Provence Sainte-Victoire'),
  (903, NULL, 9, -1, 'Coteaux d''Aix-en-Provence'),
  (904, NULL, 9, -1, 'Coteaux Varois en Provence'),
  (905, NULL, 9, -1, 'Bandol'),
  (906, NULL, 9, -1, 'Cassis'),
  (907, NULL, 9, -1, 'Bellet'),
  (908, NULL, 9, -1, 'Palette'),
  (909, NULL, 9, -1, 'Les Baux-de-Provence'),
  (910, NULL, 9, -1, 'Pierrevert'),
  (1001, NULL, 10, -1, 'Vin de Savoie'),  -- Savoie
  (1002, NULL, 10, -1, 'Roussette de Savoie'),
  (1003, NULL, 10, -1, 'Crémant de Savoie'),
  (1004, NULL, 10, -1, 'Seyssel'),
  (1005, NULL, 10, -1, 'Bugey'),
  (1006, NULL, 10, -1, 'Roussette du Bugey'),
  (1101, NULL, 11, -1, 'Bergerac'),  -- Sud-Ouest
  (1102, NULL, 11, -1, 'Pécharmant'),
  (1103, NULL, 11, -1, 'Monbazillac'),
  (1104, NULL, 11, -1, 'Saussignac'),
  (1105, NULL, 11, -1, 'Montravel'),
  (1106, NULL, 11, -1, 'Côtes de Duras'),
  (1107, NULL, 11, -1, 'Buzet'),
  (1108, NULL, 11, -1, 'Cahors'),
  (1109, NULL, 11, -1, 'Gaillac'),
  (1110, NULL, 11, -1, 'Fronton'),
  (1111, NULL, 11, -1, 'Madiran'),
  (1112, NULL, 11, -1, 'Pacherenc du Vic-Bilh'),
  (1113, NULL, 11, -1, 'Jurançon'),
  (1114, NULL, 11, -1, 'Irouléguy'),
  (1115, NULL, 11, -1, 'Béarn'),
  (1116, NULL, 11, -1, 'Saint-Mont'),
  (1117, NULL, 11, -1, 'Marcillac'),
  (1118, NULL, 11, -1, 'Côtes du Marmandais'),
  (1201, NULL, 12, -1, 'Muscadet Sèvre et Maine'),  -- Val de Loire
  (1202, NULL, 12, -1, 'Gros Plant du Pays nantais'),
  (1203, NULL, 12, -1, 'Anjou'),
  (1204, NULL, 12, -1, 'Rosé d''Anjou'),
  (1205, NULL, 12, -1, 'Cabernet d''Anjou'),
  (1206, NULL, 12, -1, 'Savennières'),
  (1207, NULL, 12, -1, 'Coteaux du Layon'),
  (1208, NULL, 12, -1, 'Bonnezeaux'),
  (1209, NULL, 12, -1, 'Quarts de Chaume'),
  (1210, NULL, 12, -1, 'Saumur'),
  (1211, NULL, 12, -1, 'Saumur-Champigny'),
  (1212, NULL, 12, -1, 'Crémant de Loire'),
  (1213, NULL, 12, -1, 'Chinon'),
  (1214, NULL, 12, -1, 'Bourgueil'),
  (1215, NULL, 12, -1, 'Saint-Nicolas-de-Bourgueil'),
  (1216, NULL, 12, -1, 'Vouvray'),
  (1217, NULL, 12, -1, 'Montlouis-sur-Loire'),
  (1218, NULL, 12, -1, 'Touraine'),
  (1219, NULL, 12, -1, 'Cheverny'),
  (1220, NULL, 12, -1, 'Sancerre'),
  (1221, NULL, 12, -1, 'Pouilly-Fumé'),
  (1222, NULL, 12, -1, 'Menetou-Salon'),
  (1223, NULL, 12, -1, 'Quincy'),
  (1224, NULL, 12, -1, 'Reuilly'),
  (1301, NULL, 13, -1, 'Côtes du Rhône'),  -- Vallée du Rhône
  (1302, NULL, 13, -1, 'Côtes du Rhône Villages'),
  (1303, NULL, 13, -1, 'Côte-Rôtie'),
  (1304, NULL, 13, -1, 'Condrieu'),
  (1305, NULL, 13, -1, 'Château-Grillet'),
  (1306, NULL, 13, -1, 'Saint-Joseph'),
  (1307, NULL, 13, -1, 'Crozes-Hermitage'),
  (1308, NULL, 13, -1, 'Hermitage'),
  (1309, NULL, 13, -1, 'Cornas'),
  (1310, NULL, 13, -1, 'Saint-Péray'),
  (1311, NULL, 13, -1, 'Gigondas'),
  (1312, NULL, 13, -1, 'Vacqueyras'),
  (1313, NULL, 13, -1, 'Vinsobres'),
  (1314, NULL, 13, -1, 'Rasteau'),
  (1315, NULL, 13, -1, 'Cairanne'),
  (1316, NULL, 13, -1, 'Muscat de Beaumes-de-Venise'),
  (1317, NULL, 13, -1, 'Châteauneuf-du-Pape'),
  (1318, NULL, 13, -1, 'Lirac'),
  (1319, NULL, 13, -1, 'Tavel'),
  (1320, NULL, 13, -1, 'Ventoux'),
  (1321, NULL, 13, -1, 'Luberon'),
  (1322, NULL, 13, -1, 'Costières de Nîmes'),
  (1323, NULL, 13, -1, 'Clairette de Die'),
  (1401, NULL, 14, -1, 'Cognac'),  -- Cognac
  (1402, NULL, 14, -1, 'Cognac Grande Champagne'),
  (1403, NULL, 14, -1, 'Cognac Petite Champagne'),
  (1404, NULL, 14, -1, 'Cognac Fine Champagne'),
  (1405, NULL, 14, -1, 'Cognac Borderies'),
  (1406, NULL, 14, -1, 'Cognac Fins Bois'),
  (1407, NULL, 14, -1, 'Cognac Bons Bois'),
  (1408, NULL, 14, -1, 'Pineau des Charentes'),
  (1501, NULL, 15, -1, 'Armagnac'),  -- Armagnac
  (1502, NULL, 15, -1, 'Bas-Armagnac'),
  (1503, NULL, 15, -1, 'Armagnac-Ténarèze'),
  (1504, NULL, 15, -1, 'Haut-Armagnac'),
  (1505, NULL, 15, -1, 'Blanche Armagnac'),
  (1506, NULL, 15, -1, 'Floc de Gascogne'),
  (1601, NULL, 16, -1, 'Calvados'),  -- Normandie
  (1602, NULL, 16, -1, 'Calvados Pays d''Auge'),
  (1603, NULL, 16, -1, 'Calvados Domfrontais'),
  (1604, NULL, 16, -1, 'Pommeau de Normandie'),
  (1605, NULL, 16, -1, 'Pays d''Auge'),
  (1701, NULL, 17, -1, 'Rhum agricole Martinique'),  -- Martinique
  (2101, NULL, 21, -1, 'Barolo'),  -- Piémont
  (2102, NULL, 21, -1, 'Barbaresco'),
  (2103, NULL, 21, -1, 'Barbera d''Asti'),
  (2104, NULL, 21, -1, 'Moscato d''Asti'),
  (2105, NULL, 21, -1, 'Langhe'),
  (2201, NULL, 22, -1, 'Chianti'),  -- Toscane
  (2202, NULL, 22, -1, 'Chianti Classico'),
  (2203, NULL, 22, -1, 'Brunello di Montalcino'),
  (2204, NULL, 22, -1, 'Vino Nobile di Montepulciano'),
  (2205, NULL, 22, -1, 'Bolgheri'),
  (2301, NULL, 23, -1, 'Amarone della Valpolicella'),  -- Vénétie
  (2302, NULL, 23, -1, 'Valpolicella'),
  (2303, NULL, 23, -1, 'Soave'),
  (2304, NULL, 23, -1, 'Prosecco'),
  (2401, NULL, 24, -1, 'Etna'),  -- Sicile
  (2402, NULL, 24, -1, 'Marsala'),
  (2501, NULL, 25, -1, 'Primitivo di Manduria'),  -- Pouilles
  (2502, NULL, 25, -1, 'Salice Salentino'),
  (2601, NULL, 26, -1, 'Rioja'),  -- Rioja
  (2701, NULL, 27, -1, 'Ribera del Duero'),  -- Castille-et-León
  (2702, NULL, 27, -1, 'Toro'),
  (2703, NULL, 27, -1, 'Rueda'),
  (2801, NULL, 28, -1, 'Priorat'),  -- Catalogne
  (2802, NULL, 28, -1, 'Penedès'),
  (2803, NULL, 28, -1, 'Cava'),
  (2901, NULL, 29, -1, 'Jerez-Xérès-Sherry'),  -- Andalousie
  (2902, NULL, 29, -1, 'Manzanilla-Sanlúcar de Barrameda'),
  (3001, NULL, 30, -1, 'Rías Baixas'),  -- Galice
  (3101, NULL, 31, -1, 'Porto'),  -- Douro
  (3102, NULL, 31, -1, 'Douro'),
  (3201, NULL, 32, -1, 'Vinho Verde'),  -- Minho
  (3301, NULL, 33, -1, 'Alentejo'),  -- Alentejo
  (3401, NULL, 34, -1, 'Madère'),  -- Madère
  (4401, NULL, 44, -1, 'Tokaji'),  -- Tokaj
  (4701, NULL, 47, -1, 'Santorin'),  -- Cyclades
  (4901, NULL, 49, -1, 'Napa Valley'),  -- Californie
  (4902, NULL, 49, -1, 'Sonoma County'),
  (5201, NULL, 52, -1, 'Valle del Maipo'),  -- Vallée centrale
  (5202, NULL, 52, -1, 'Valle de Colchagua'),
  (5301, NULL, 53, -1, 'Valle de Casablanca'),  -- Aconcagua
  (5401, NULL, 54, -1, 'Luján de Cuyo'),  -- Mendoza
  (5402, NULL, 54, -1, 'Valle de Uco'),
  (5601, NULL, 56, -1, 'Stellenbosch'),  -- Cap-Occidental
  (5602, NULL, 56, -1, 'Paarl'),
  (5603, NULL, 56, -1, 'Constantia'),
  (5701, NULL, 57, -1, 'Barossa Valley'),  -- Australie-Méridionale
  (5702, NULL, 57, -1, 'McLaren Vale'),
  (5703, NULL, 57, -1, 'Coonawarra'),
  (5801, NULL, 58, -1, 'Margaret River');  -- Australie-Occidentale

-- ============================================================ Producers and suppliers
-- Fictitious firms. CoType 2 = producer, 1 = supplier. Country and Region
-- of a producer hold the titles of a country and a region above.
INSERT INTO COMPAGNY (Id, Id_File, CoType, Title, Name, Address, City, CP, Region, Country, Phone, Fax, Email, WebSite, Remark1, Misc11, Misc12) VALUES
  (1, NULL, 2, 'Château Haut-Verdelais', 'Hélène Lestrade', '4, route des Graves Hautes', 'Pauillac', '33250', 'Bordeaux', 'France', '05 36 49 01 12', '05 36 49 01 13', 'contact@haut-verdelais.example', 'www.haut-verdelais.example', '', '', ''),
  (2, NULL, 2, 'Domaine Jacquemart-Roussot', 'Luc Jacquemart', '17, rue des Tonneliers', 'Meursault', '21190', 'Bourgogne', 'France', '03 53 01 22 40', '', 'domaine@jacquemart-roussot.example', 'www.jacquemart-roussot.example', '', '', ''),
  (3, NULL, 2, 'Maison Delorme-Vautrin', 'Camille Vautrin', '28, avenue des Crayères', 'Épernay', '51200', 'Champagne', 'France', '03 53 01 37 85', '03 53 01 37 86', 'accueil@delorme-vautrin.example', 'www.delorme-vautrin.example', '', '', ''),
  (4, NULL, 2, 'Domaine du Clos des Aubépines', 'Pierre Thévenon', 'Chemin des Caillottes', 'Sancerre', '18300', 'Val de Loire', 'France', '02 61 91 48 03', '', 'clos.aubepines@example.com', '', '', '', ''),
  (5, NULL, 2, 'Domaine des Sept Garrigues', 'Martine Reynaud', '9, chemin de la Croze', 'Châteauneuf-du-Pape', '84230', 'Vallée du Rhône', 'France', '04 65 71 30 57', '04 65 71 30 58', 'contact@sept-garrigues.example', 'www.sept-garrigues.example', '', '', ''),
  (6, NULL, 2, 'Domaine des Restanques Bleues', 'Julien Arnaud', 'Quartier des Oliviers', 'Cotignac', '83570', 'Provence', 'France', '04 65 71 62 19', '', 'bonjour@restanques-bleues.example', 'www.restanques-bleues.example', '', '', ''),
  (7, NULL, 2, 'Château Peyrebrune-Lalande', 'Famille Dubreuilh', 'Lieu-dit Peyrebrune', 'Sauternes', '33210', 'Bordeaux', 'France', '05 36 49 77 20', '', 'chateau@peyrebrune-lalande.example', 'www.peyrebrune-lalande.example', '', '', ''),
  (8, NULL, 2, 'Maison Ravaud Frères', 'Olivier Ravaud', '31, quai des Gabariers', 'Cognac', '16100', 'Cognac', 'France', '05 36 49 15 64', '05 36 49 15 65', 'info@ravaud-freres.example', 'www.ravaud-freres.example', '', '', ''),
  (9, NULL, 1, 'Au Tire-Bouchon d''Or', 'Marc Bellanger', '22, rue Mercière', 'Lyon', '69002', NULL, 'France', '04 65 71 08 41', '', 'cave@tirebouchon-dor.example', 'www.tirebouchon-dor.example', 'Caviste de quartier, bons conseils, livraison à domicile.', '', ''),
  (10, NULL, 1, 'Le Comptoir des Millésimes', 'Sandrine Ferrand', '63, cours du Médoc', 'Bordeaux', '33300', NULL, 'France', '05 36 49 52 96', '05 36 49 52 97', 'commandes@comptoir-millesimes.example', 'www.comptoir-millesimes.example', 'Ventes en primeur chaque printemps.', '', ''),
  (11, NULL, 1, 'Achat au domaine', '', '', '', '', NULL, '', '', '', '', '', 'Bouteilles achetées directement à la propriété.', '', ''),
  (12, NULL, 1, 'Les Celliers de la Montagne', 'Thomas Gaulard', '5, place du Forum', 'Reims', '51100', NULL, 'France', '03 53 01 64 28', '', 'celliers.montagne@example.com', '', '', '', '');

-- ============================================================ Sample dossier
INSERT INTO PROFILES (ID, FullName, LoginName, LoginPassword, Administrator, Comment) VALUES
  (1, '', 'Ma cave', '', 0, 'Cave d''exemple : modifiez-la ou supprimez-la à votre guise.');

-- Wines of dossier 1. Texts of category, grape, classification and colour
-- are values of the trees and colours above. Memo columns hold the empty
-- text when empty, never NULL. Champagne (wine 4) holds 4 bottles for an
-- alarm stock of 6, so the sample opens with one wine in alarm.
INSERT INTO WINE (Id, Id_File, Id_Producer, Id_Country, Id_Region, Id_Appellation, Title, Code, Cepage, Color, Classification, Category, CellarTemperature, ServeTemperature, Remark1, Remark2, Misc11, Misc12, AlarmStock, PurchaseStock, Rate, Alcohol, Food) VALUES
  (1, 1, 1, 1, 3, 310, 'Château Haut-Verdelais', 'BX-001', 'Cabernet Sauvignon', 'Rouge', 'Grand cru classé', 'Vin tranquille', 12.0, 17.0, 'Grand vin de garde. À carafer deux heures avant le service.', '', '', '', 3, 6, 5, 13.5, 'Viandes rouges grillées, Agneau, Gibier'),
  (2, 1, 2, 1, 4, 422, 'Meursault Premier Cru Les Genevrières', 'BG-001', 'Chardonnay', 'Blanc', 'Premier cru', 'Vin tranquille', 12.0, 12.0, 'Élevage de dix-huit mois en fûts, dont un tiers neufs.', '', '', '', NULL, NULL, 4, 13.0, 'Poissons en sauce, Volailles à la crème, Fromages à pâte pressée'),
  (3, 1, 2, 1, 4, 421, 'Volnay Vieilles Vignes', 'BG-002', 'Pinot noir', 'Rouge', 'AOP', 'Vin tranquille', 13.0, 16.0, '', '', '', '', NULL, NULL, 4, 13.0, 'Volailles rôties, Viandes blanches, Fromages à pâte molle'),
  (4, 1, 3, 1, 5, 501, 'Cuvée Blanc de Blancs', 'CH-001', 'Chardonnay', 'Blanc', 'Grand cru', 'Champagne', 10.0, 8.0, 'Stock de fêtes : en garder toujours une demi-douzaine.', '', '', '', 6, 12, 4, 12.0, 'Apéritif, Huîtres, Fruits de mer'),
  (5, 1, 4, 1, 12, 1220, 'Sancerre Cuvée des Silex', 'LO-001', 'Sauvignon blanc', 'Blanc', 'AOP', 'Vin tranquille', 11.0, 10.0, '', '', '', '', NULL, NULL, 3, 13.0, 'Fromages de chèvre, Poissons grillés, Fruits de mer'),
  (6, 1, 5, 1, 13, 1317, 'Châteauneuf-du-Pape Cuvée des Garrigues', 'RH-001', 'Grenache', 'Rouge', 'AOP', 'Vin tranquille', 13.0, 16.0, 'Assemblage de grenache, syrah et mourvèdre.', '', '', '', 2, NULL, 4, 14.5, 'Gibier, Plats mijotés, Bœuf en sauce'),
  (7, 1, 6, 1, 9, 901, 'Rosé Cuvée Restanque', 'PR-001', 'Cinsault', 'Rosé', 'AOP', 'Vin tranquille', 11.0, 9.0, 'À boire dans l''année, bien frais.', '', '', '', 1, 6, 3, 12.5, 'Apéritif, Cuisine méditerranéenne, Grillades et barbecue'),
  (8, 1, 7, 1, 3, 314, 'Château Peyrebrune-Lalande', 'BX-002', 'Sémillon', 'Doré', 'Premier cru classé', 'Vin liquoreux', 12.0, 8.0, 'Botrytis très pur, grande réserve de fraîcheur.', '', '', '', NULL, NULL, 5, 14.0, 'Foie gras, Fromages à pâte persillée, Desserts aux fruits'),
  (9, 1, 8, 1, 14, 1402, 'Ravaud XO Grande Champagne', 'SP-001', 'Ugni blanc', 'Ambré', 'XO', 'Cognac', 16.0, 18.0, 'Carafe entamée : se conserve debout.', '', '', '', NULL, NULL, 4, 40.0, 'Digestif, Desserts au chocolat, Cigare'),
  (10, 1, -1, 3, 26, 2601, 'Rioja Reserva', 'ES-001', 'Tempranillo', 'Rouge', 'DOCa', 'Vin tranquille', 13.0, 17.0, 'Élevé trois ans, dont un en barrique de chêne américain.', '', '', '', NULL, NULL, 3, 14.0, 'Agneau, Charcuterie'),
  (11, 1, -1, 21, 65, -1, 'Single malt tourbé 10 ans d''âge', 'SP-002', '', 'Ambré', '', 'Whisky', 16.0, 18.0, 'Tourbé et iodé, une goutte d''eau l''ouvre.', '', '', '', NULL, NULL, 4, 46.0, 'Digestif');

-- Bottle lines. Location is the path below "Localisations". Quantity is
-- what remains after the exits recorded in HISTORIC below.
INSERT INTO BOTTLE (Id, Id_File, Id_PurchaseCompagny, Id_Wine, Vintage, DrinkYearBegin, DrinkYearEnd, BestYearBegin, BestYearEnd, Format, Quantity, "Exit", PurchaseDate, PurchasePrice, PurchaseValue, Location, Remark1, Remark2) VALUES
  (1, 1, 10, 1, 2015, 2023, 2040, 2026, 2035, 'Bouteille (75 cl)', 5, NULL, '2018-03-15', 68.0, 95.0, 'Cave/Casier A/Rangée 1', '', ''),
  (2, 1, 10, 1, 2019, 2029, 2050, 2034, 2045, 'Magnum (1,5 l)', 1, NULL, '2022-06-10', 150.0, 170.0, 'Cave/Casier A/Rangée 3', '', ''),
  (3, 1, 11, 2, 2018, 2022, 2030, 2024, 2027, 'Bouteille (75 cl)', 2, NULL, '2020-09-20', 55.0, 65.0, 'Cave/Casier B/Rangée 1', '', ''),
  (4, 1, 11, 2, 2021, 2025, 2033, 2027, 2031, 'Bouteille (75 cl)', 3, NULL, '2023-10-05', 58.0, 60.0, 'Cave/Casier B/Rangée 1', '', ''),
  (5, 1, 11, 3, 2020, 2024, 2034, 2027, 2031, 'Bouteille (75 cl)', 4, NULL, '2022-05-14', 38.0, 45.0, 'Cave/Casier A/Rangée 2', '', ''),
  (6, 1, 12, 4, 2016, 2022, 2030, 2024, 2028, 'Bouteille (75 cl)', 2, NULL, '2021-11-20', 42.0, 48.0, 'Cellier/Armoire à vin/Clayette 1', '', ''),
  (7, 1, 12, 4, NULL, 2025, 2027, 2025, 2026, 'Bouteille (75 cl)', 2, NULL, '2024-12-05', 34.0, 36.0, 'Cellier/Armoire à vin/Clayette 1', '', ''),
  (8, 1, 9, 5, 2023, 2024, 2028, 2025, 2026, 'Bouteille (75 cl)', 6, NULL, '2024-09-07', 19.5, 22.0, 'Cave/Casier B/Rangée 2', '', ''),
  (9, 1, 9, 6, 2019, 2024, 2035, 2027, 2032, 'Bouteille (75 cl)', 3, NULL, '2021-12-02', 36.0, 44.0, 'Cave/Casier A/Rangée 2', '', ''),
  (10, 1, 9, 6, 2022, 2027, 2040, 2030, 2036, 'Bouteille (75 cl)', 6, NULL, '2024-11-16', 39.0, 40.0, 'Cave/Caisses bois', '', ''),
  (11, 1, 10, 7, 2025, 2026, 2027, 2026, 2026, 'Bouteille (75 cl)', 3, NULL, '2026-04-18', 14.0, 15.0, 'Cellier/Armoire à vin/Clayette 3', '', ''),
  (12, 1, 10, 8, 2011, 2018, 2045, 2025, 2035, 'Demi-bouteille (37,5 cl)', 4, NULL, '2016-11-12', 32.0, 45.0, 'Cave/Casier B/Rangée 2', '', ''),
  (13, 1, 11, 8, 2017, 2025, 2050, 2030, 2040, 'Bouteille (75 cl)', 2, NULL, '2020-07-03', 62.0, 70.0, 'Cave/Casier B/Rangée 2', '', ''),
  (14, 1, 9, 9, NULL, NULL, NULL, NULL, NULL, 'Bouteille (70 cl)', 1, NULL, '2023-12-10', 89.0, 95.0, 'Bar', '', ''),
  (15, 1, 9, 10, 2018, 2023, 2030, 2025, 2028, 'Bouteille (75 cl)', 5, NULL, '2022-02-19', 17.9, 21.0, 'Cave/Casier B/Rangée 1', '', ''),
  (16, 1, 9, 11, NULL, NULL, NULL, NULL, NULL, 'Bouteille (70 cl)', 2, NULL, '2025-11-29', 45.0, 45.0, 'Bar', '', '');

-- Movements: one entry (ActionType 1) per bottle line with the bottles
-- bought, dated on the purchase, then the exits (ActionType 2). Each row
-- copies the line as it was, the supplier by name.
INSERT INTO HISTORIC (Id, Id_File, Id_Wine, Id_Bottle, ActionType, ActionDate, Quantity, Vintage, Format, PurchaseDate, PurchaseCompagny, PurchasePrice, PurchaseValue, Event, Appreciation, Guest, Dish, Remark) VALUES
  (1, 1, 1, 1, 1, '2018-03-15', 6, 2015, 'Bouteille (75 cl)', '2018-03-15', 'Le Comptoir des Millésimes', 68.0, 95.0, '', '', '', '', ''),
  (2, 1, 1, 2, 1, '2022-06-10', 1, 2019, 'Magnum (1,5 l)', '2022-06-10', 'Le Comptoir des Millésimes', 150.0, 170.0, '', '', '', '', ''),
  (3, 1, 2, 3, 1, '2020-09-20', 3, 2018, 'Bouteille (75 cl)', '2020-09-20', 'Achat au domaine', 55.0, 65.0, '', '', '', '', ''),
  (4, 1, 2, 4, 1, '2023-10-05', 3, 2021, 'Bouteille (75 cl)', '2023-10-05', 'Achat au domaine', 58.0, 60.0, '', '', '', '', ''),
  (5, 1, 3, 5, 1, '2022-05-14', 4, 2020, 'Bouteille (75 cl)', '2022-05-14', 'Achat au domaine', 38.0, 45.0, '', '', '', '', ''),
  (6, 1, 4, 6, 1, '2021-11-20', 6, 2016, 'Bouteille (75 cl)', '2021-11-20', 'Les Celliers de la Montagne', 42.0, 48.0, '', '', '', '', ''),
  (7, 1, 4, 7, 1, '2024-12-05', 2, NULL, 'Bouteille (75 cl)', '2024-12-05', 'Les Celliers de la Montagne', 34.0, 36.0, '', '', '', '', ''),
  (8, 1, 5, 8, 1, '2024-09-07', 6, 2023, 'Bouteille (75 cl)', '2024-09-07', 'Au Tire-Bouchon d''Or', 19.5, 22.0, '', '', '', '', ''),
  (9, 1, 6, 9, 1, '2021-12-02', 4, 2019, 'Bouteille (75 cl)', '2021-12-02', 'Au Tire-Bouchon d''Or', 36.0, 44.0, '', '', '', '', ''),
  (10, 1, 6, 10, 1, '2024-11-16', 6, 2022, 'Bouteille (75 cl)', '2024-11-16', 'Au Tire-Bouchon d''Or', 39.0, 40.0, '', '', '', '', ''),
  (11, 1, 7, 11, 1, '2026-04-18', 6, 2025, 'Bouteille (75 cl)', '2026-04-18', 'Le Comptoir des Millésimes', 14.0, 15.0, '', '', '', '', ''),
  (12, 1, 8, 12, 1, '2016-11-12', 4, 2011, 'Demi-bouteille (37,5 cl)', '2016-11-12', 'Le Comptoir des Millésimes', 32.0, 45.0, '', '', '', '', ''),
  (13, 1, 8, 13, 1, '2020-07-03', 2, 2017, 'Bouteille (75 cl)', '2020-07-03', 'Achat au domaine', 62.0, 70.0, '', '', '', '', ''),
  (14, 1, 9, 14, 1, '2023-12-10', 1, NULL, 'Bouteille (70 cl)', '2023-12-10', 'Au Tire-Bouchon d''Or', 89.0, 95.0, '', '', '', '', ''),
  (15, 1, 10, 15, 1, '2022-02-19', 6, 2018, 'Bouteille (75 cl)', '2022-02-19', 'Au Tire-Bouchon d''Or', 17.9, 21.0, '', '', '', '', ''),
  (16, 1, 11, 16, 1, '2025-11-29', 2, NULL, 'Bouteille (70 cl)', '2025-11-29', 'Au Tire-Bouchon d''Or', 45.0, 45.0, '', '', '', '', ''),
  (17, 1, 10, 15, 2, '2025-10-04', 1, 2018, 'Bouteille (75 cl)', '2022-02-19', 'Au Tire-Bouchon d''Or', 17.9, 21.0, 'Repas de famille', 'Bon', 'Parents et enfants', 'Côtes d''agneau grillées', ''),
  (18, 1, 1, 1, 2, '2025-12-25', 1, 2015, 'Bouteille (75 cl)', '2018-03-15', 'Le Comptoir des Millésimes', 68.0, 95.0, 'Noël', 'Excellent', 'Toute la famille', 'Gigot d''agneau aux flageolets', ''),
  (19, 1, 4, 6, 2, '2025-12-31', 3, 2016, 'Bouteille (75 cl)', '2021-11-20', 'Les Celliers de la Montagne', 42.0, 48.0, 'Réveillon du Nouvel An', 'Excellent', 'Huit amis', 'Huîtres et saumon fumé', ''),
  (20, 1, 6, 9, 2, '2026-02-14', 1, 2019, 'Bouteille (75 cl)', '2021-12-02', 'Au Tire-Bouchon d''Or', 36.0, 44.0, 'Saint-Valentin', 'Bouchonné', 'Anne', 'Civet de lièvre', ''),
  (21, 1, 2, 3, 2, '2026-03-08', 1, 2018, 'Bouteille (75 cl)', '2020-09-20', 'Achat au domaine', 55.0, 65.0, 'Dîner entre amis', 'Très bon', 'Sophie et Marc', 'Sandre au beurre blanc', ''),
  (22, 1, 4, 6, 2, '2026-05-17', 1, 2016, 'Bouteille (75 cl)', '2021-11-20', 'Les Celliers de la Montagne', 42.0, 48.0, 'Anniversaire', 'Très bon', 'Claire et ses amies', 'Apéritif dînatoire', ''),
  (23, 1, 7, 11, 2, '2026-07-14', 3, 2025, 'Bouteille (75 cl)', '2026-04-18', 'Le Comptoir des Millésimes', 14.0, 15.0, 'Barbecue', 'Bon', 'Les voisins', 'Brochettes et salades composées', '');

-- ============================================================ Value lists
-- The first row serves every dossier. One entry per line.
INSERT INTO COMBOITEMS (Id, Id_File, Country, Event, Appreciation) VALUES
  (1, -1, 'France
Italie
Espagne
Portugal
Allemagne
Autriche
Suisse
Hongrie
Grèce
Roumanie
Géorgie
Liban
États-Unis
Canada
Chili
Argentine
Uruguay
Afrique du Sud
Australie
Nouvelle-Zélande
Écosse
Irlande
Japon
Luxembourg', 'Anniversaire
Apéritif
Barbecue
Baptême
Dégustation
Dîner entre amis
Fête des mères
Fête des pères
Mariage
Noël
Pâques
Repas d''affaires
Repas de famille
Réveillon du Nouvel An
Saint-Valentin', 'Exceptionnel
Excellent
Très bon
Bon
Correct
Moyen
Décevant
Trop jeune
Sur le déclin
Madérisé
Bouchonné');
