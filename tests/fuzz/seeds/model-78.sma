7
0, x
4, "quoted, with comma"
6.5, x
15, "quoted, with comma"
23, x
26, x
33.5, "quoted, with comma"
2
1, 1, 1, 
7, 1, 0, span
2
2E8, "quoted, with comma"
2E8, 
1
8.5E-6, "quoted, with comma"
6
1, 2, 1, 1, span
2, 3, 1, 1, 
4, 3, 2
1, span
4, 5, 2, 1, "quoted, with comma"
5, 6, 2, 1, "quoted, with comma"
6, 7, 1
1, span

0
1
2, -4, 2, span
