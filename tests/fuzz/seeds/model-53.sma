4
0, x
2, 
9.5, span
18, x
2
1, 1, 1, 
4, 1, 0, "quoted, with comma"
1
2E8, "quoted, with comma"
2
8.5E-6, "quoted, with comma"
8.5E-6, span
3
1, 2, 1, 2, "quoted, with comma"
2, 3, 1, 1, span
3, 4
1, 2, x
4
3
4, -5, 13, 1, 0.5, 
2, 1, -4, 6, 0.5, 0.5, 
3, 1, 14, 2, 0.5, 0, "quoted, with comma"
1, 1, 5
13, 0.5, 0, span
1
4, -3, 1, x
