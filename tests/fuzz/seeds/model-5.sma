5
0, "quoted, with comma"
1.5, "quoted, with comma"
3.5, span
12, span
20, x
2
1, 1, 0, "quoted, with comma"
5, 1, 0, x
2
2E8, "quoted, with comma"
2E8, span
1
8.5E-6, x
4
1, 2, 2
1, "quoted, with comma"
2, 3, 1, 1, 
3, 4, 2, 1, x
5, 4, 2, 1, "quoted, with comma"
0
0
